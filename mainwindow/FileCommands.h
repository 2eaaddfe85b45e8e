#pragma once
// The File menu and the buttons that edit the current list: the list files (new, add, release,
// delete), the entries (insert, delete, move, clear, the folder page's two add buttons, files
// dropped on the list) and the way out.
namespace velmora {

class CommandRouter;
class ListEditing;
class MainWindow;

class FileCommands {
public:
    FileCommands(MainWindow& window, ListEditing& editing);

    // Gives the File menu's commands their handlers and connects the list's own buttons.
    void wire(CommandRouter& commands);

    // The list file chooser, modally; the chosen file joins the catalogue.
    void mnuFileAdd_Click();

private:
    void connectListButtons();

    MainWindow& m_window;
    ListEditing& m_editing;
};

} // namespace velmora
