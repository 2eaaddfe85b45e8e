#pragma once
// The View menu: the thumbnail window, the toolbar, the file view's four modes (menu items and
// toolbar buttons kept in step) and the folder icons; and the view settings changed elsewhere (the
// options window), which reach the controls at the next paint.

namespace velmora {

class CommandRouter;
class ListEditing;
class MainWindow;
class ThumbnailWindow;
struct Settings;

class ViewCommands {
public:
    ViewCommands(MainWindow& window, Settings& settings, ListEditing& editing);

    void wire(CommandRouter& commands);

    // mnuThumbnail and "btnThumbnail": opens the thumbnail window (or brings it up) and rebuilds it.
    void mnuThumbnail_Click();
    void mnuViewToolbar_Click();
    // Applies ListViewMode (refitting the columns) and TBDispMode to the controls.
    void Form_Paint();
    // After a paint: applies what differs from the settings, once the paint is over, so that
    // applying never asks for another paint.
    void queueSync();
    // Null until the thumbnail window is first opened.
    ThumbnailWindow* thumbnailWindow() const { return m_thumbnails; }
    // Closes a shown thumbnail window, so that its place reaches the settings.
    void closeThumbnails();

private:
    void applyToolbarState();

    MainWindow& m_window;
    Settings& m_settings;
    ListEditing& m_editing;
    ThumbnailWindow* m_thumbnails = nullptr;
    bool m_syncQueued = false;
};

} // namespace velmora
