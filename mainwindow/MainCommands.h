#pragma once
// The commands of the main window's menus, toolbar and tray, as the program refers to them.
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
};
inline constexpr int MainCommandCount = static_cast<int>(MainCommand::HelpAbout) + 1;

// The list-view mode's command: 0 large icons ... 3 details.
inline MainCommand ListviewModeCommand(int mode)
{
    return static_cast<MainCommand>(static_cast<int>(MainCommand::ViewListviewMode0) + mode);
}

} // namespace velmora
