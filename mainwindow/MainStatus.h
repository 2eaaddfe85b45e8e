#pragma once
// What the window says of work and trouble in the background: the progress of long work (the
// collage's pieces) on the toolbar, hidden while there is none; and the status bar, there only while
// it has something to say: a desktop the timer's changes cannot reach, or a settings file read only
// in part.
#include "core/BadSettingsFile.h"

#include <QString>

#include <functional>
#include <optional>

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

    // Says what the status bar says again in the current language.
    void retranslate();

private:
    // Shows the status's text in the status bar, or hides the bar when it is empty; the status is
    // kept to be said again after a change of language.
    void showStatus(std::function<QString()> status);
    QString settingsNotice() const;

    QMainWindow& m_window;
    std::function<QString()> m_status;
    std::optional<BadSettingsCopy> m_badSettings;
    bool m_keepSettingsFile = false;
};

} // namespace velmora
