#pragma once
// The commands of the main window's menus, toolbar, tray menu and page buttons, as the program
// refers to them.
namespace velmora {

enum class MainCommand {
    FileNew,
    FileAdd,
    FileRelease,
    FileDelete,
    FileExit,
    Thumbnail,
    ViewToolbar,
    ViewListviewMode0,
    ViewListviewMode1,
    ViewListviewMode2,
    ViewListviewMode3,
    ViewDirimage,
    Option,
    ToolNotexist,
    ToolAutostart,
    HelpDoc,
    HelpHomepage,
    HelpDonation,
    HelpAbout,
    TraySize,  // mnuTraySize: restore the window
    TrayExit,  // mnuTrayExit
    Search,    // cmdSearch on the folder page
    AutoPilot, // cmdAutoPilot on the list page
    Count      // not a command: the number of them
};
inline constexpr int MainCommandCount = static_cast<int>(MainCommand::Count);

// The list-view mode's command: 0 large icons ... 3 details.
inline MainCommand ListviewModeCommand(int mode)
{
    return static_cast<MainCommand>(static_cast<int>(MainCommand::ViewListviewMode0) + mode);
}

} // namespace velmora
