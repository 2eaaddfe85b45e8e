#pragma once
// The Tools menu (the options, leaving out missing files, starting at login) and the two page
// buttons that open a tool window over the current list: the sub-folder search and the folder
// patrol.
namespace velmora {

class CommandRouter;
class CurrentListEntries;
class ListEditing;
class MainWindow;
struct Settings;

class ToolCommands {
public:
    ToolCommands(MainWindow& window, Settings& settings, ListEditing& editing,
                 CurrentListEntries& currentList);

    void wire(CommandRouter& commands);

    // The options command: the dialog, modally; when it closes the window follows what it changed.
    void mnuOption_Click();
    // After the options window closes: the timer follows TimerOnMode, EnableOff or EnableOn, and
    // the window repaints (re-applying the view settings).
    void OptionsClosed();
    void cmdAutoPilot_Click();
    void cmdSearch_Click();

private:
    MainWindow& m_window;
    Settings& m_settings;
    ListEditing& m_editing;
    CurrentListEntries& m_currentList;
};

} // namespace velmora
