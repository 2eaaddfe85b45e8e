#pragma once
// What the window says of work and trouble in the background: the progress of long work (the
// collage's pieces) on the toolbar, hidden while there is none; and the status bar, there only while
// it has something to say: a desktop the timer's changes cannot reach, or a settings file read only
// in part.
#include <QString>

class QMainWindow;
class QProgressBar;

namespace velmora {

class WallpaperService;

class MainStatus {
public:
    MainStatus(QMainWindow& window, QProgressBar& progress, WallpaperService& wallpaper);

    // Keeps a copy of a settings file that did not read cleanly, and says where it went.
    void keepBadSettingsFile(const QString& path);
    // No copy could be made: the file must not be overwritten at the exit.
    bool keepSettingsFile() const { return m_keepSettingsFile; }

private:
    // Shows the text in the status bar, or hides the bar when it is empty.
    void showStatus(const QString& text);

    QMainWindow& m_window;
    QString m_settingsNotice;
    bool m_keepSettingsFile = false;
};

} // namespace velmora
