#pragma once
// The menu bar of the main window: every item named as the program's commands refer to it.
#include <QHash>
#include <QString>

class QAction;
class QMenuBar;
class QObject;

namespace velmora {

class MainMenus {
public:
    // Builds the menus into the bar; the actions are owned by the bar's menus.
    explicit MainMenus(QMenuBar& bar);

    // The action of a menu item by its name ("mnuFileExit", "mnuViewListviewMode0" ... "3").
    QAction* operator[](const QString& name) const;

private:
    QHash<QString, QAction*> m_actions;
};

} // namespace velmora
