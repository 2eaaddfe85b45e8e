#pragma once
// One desktop's way of showing a picture file as the wallpaper and of keeping its placement.
#include "platform/TileChoiceStore.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace velmora::platform {

// One monitor's part of the wallpaper when there are several.
struct MonitorPicture {
    QString name;          // the monitor's output name, as Monitor::name
    QRect geometry;        // the monitor on the virtual screen, in device pixels
    QImage image;          // what it shows, laid out by tileWallpaper within the monitor
    QString tileWallpaper; // "1" tiled from the monitor's top left corner, centred otherwise
};

// MonitorMode: how the wallpaper covers several monitors.
enum class MonitorMode { Same = 0, Each = 1, Across = 2 };

// A picture to show as the wallpaper.
struct WallpaperPicture {
    WallpaperPicture(QString file, QString tileWallpaper, QImage image = {}, QSize largestScreen = {})
        : file(std::move(file))
        , tileWallpaper(std::move(tileWallpaper))
        , image(std::move(image))
        , largestScreen(largestScreen)
    {}

    QString file;          // complete on disk
    QString tileWallpaper; // "1" tiled, centred otherwise
    QImage image;          // the same picture in memory, when the caller has it; spares reading the file
    QSize largestScreen;   // the largest screen in device pixels, when the caller knows it
    // With more than one monitor, each one's part (in MonitorMode Across, each cut from one canvas
    // at the monitor's size); empty with one monitor, which shows image.
    std::vector<MonitorPicture> monitors;
};

// The caller stores the placement (WriteTileWallpaper) before it sets the picture, and the picture
// file is complete on disk before SetWallpaper is called.
class WallpaperBackend : public TileChoiceStore {
public:
    // The desktop's name for messages ("GNOME", "XFCE", ...).
    virtual QString name() const = 0;
    // Shows the picture as the wallpaper. Called from a worker thread, never two at a time.
    virtual WallpaperResult SetWallpaper(const WallpaperPicture& picture) = 0;
    // Whether the desktop can show a picture per monitor (MonitorMode Each) and one picture across
    // them (Across); every desktop shows the same picture on each.
    virtual bool ShowsMonitorMode(MonitorMode mode) const { return mode == MonitorMode::Same; }
    // A text the program shows once (why the wallpaper was not installed); empty afterwards and
    // for every backend that installs it.
    virtual QString TakeNotice() { return {}; }
};

} // namespace velmora::platform
