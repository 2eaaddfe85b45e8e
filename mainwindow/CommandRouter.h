#pragma once
// Runs the main window's commands by MainCommand, whichever control asked: a menu item, a toolbar
// button, the tray menu or a page button. A command without a handler (its window has not come
// yet) stays visible on every control that offers it, but disabled.
#include "mainwindow/MainCommands.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;

namespace velmora {

class CommandRouter : public QObject {
    Q_OBJECT
public:
    explicit CommandRouter(QObject* parent = nullptr);

    // The control runs the command when chosen; it is enabled while the command has a handler and
    // is not switched off.
    void bind(MainCommand command, QAction* action);
    void bind(MainCommand command, QAbstractButton* button);

    void handle(MainCommand command, std::function<void()> handler);
    bool handled(MainCommand command) const;
    // Runs the command's handler; false when it has none (or is switched off).
    bool run(MainCommand command);

    // Switches a handled command off and on again (EnableOff, EnableOn).
    void setEnabled(MainCommand command, bool enabled);
    bool isEnabled(MainCommand command) const;

private:
    struct Entry {
        std::function<void()> handler;
        bool enabled = true;
        std::vector<QPointer<QAction>> actions;
        std::vector<QPointer<QAbstractButton>> buttons;
    };
    Entry& entry(MainCommand command) { return m_entries[static_cast<int>(command)]; }
    const Entry& entry(MainCommand command) const { return m_entries[static_cast<int>(command)]; }
    void refresh(MainCommand command);

    std::array<Entry, MainCommandCount> m_entries;
};

} // namespace velmora
