#pragma once
// The menu bar of the main window: every item is an action named as the design names it
// ("mnuFileExit"), reached by its command.
#include "mainwindow/MainCommands.h"

#include <array>
#include <utility>
#include <vector>

class QAction;
class QMenuBar;

namespace velmora {

class MainMenus {
public:
    // Builds the menus into the bar; the actions are owned by the bar's menus.
    explicit MainMenus(QMenuBar& bar);

    QAction* action(MainCommand command) const { return m_actions[static_cast<int>(command)]; }

    // Sets every menu's and item's caption again in the current language.
    void retranslate();

private:
    std::array<QAction*, MainCommandCount> m_actions{};
    // Each menu's action and each item with its source caption.
    std::vector<std::pair<QAction*, const char*>> m_captions;
};

} // namespace velmora
