#pragma once
// The "言語 / Language" submenu of the tools menu: follow the desktop, Japanese or English. Its
// caption and the names of the languages are the same in every language, so that anyone finds
// their way back.
#include <QObject>
#include <QString>

class QAction;
class QActionGroup;
class QMenu;

namespace velmora {

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Inserts the submenu into the menu before `before`.
    LanguageMenu(QMenu& menu, QAction* before);

    // Checks the item of a `Language` setting (anything unknown follows the desktop).
    void setCurrent(const QString& setting);
    // The setting last checked or chosen.
    const QString& current() const { return m_setting; }

    void retranslate();

Q_SIGNALS:
    // The user chose the setting ("", "ja" or "en").
    void chosen(const QString& setting);

private:
    QAction* m_desktop = nullptr;
    QAction* m_japanese = nullptr;
    QAction* m_english = nullptr;
    QString m_setting;
};

} // namespace velmora
