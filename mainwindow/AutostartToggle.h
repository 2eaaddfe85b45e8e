#pragma once
// The check item "ログイン時に起動する": its mark shows whether the session starts the program
// (the autostart entry's presence, read again whenever its menu opens), and switching it writes or
// removes the entry. Nothing is written unless the user switches it.
#include <QObject>
#include <QString>

class QAction;

namespace velmora {

class AutostartToggle : public QObject {
    Q_OBJECT
public:
    // entryPath: the autostart entry; command: what the entry runs (see platform/Autostart.h).
    AutostartToggle(QAction& action, QString entryPath, QString command, QObject* parent = nullptr);

    // Sets the check mark from the entry on disk.
    void refresh();

private:
    void switchTo(bool on);

    QAction& m_action;
    QString m_entryPath;
    QString m_command;
};

} // namespace velmora
