#pragma once
// One desktop's way of showing a picture file as the wallpaper and of keeping its placement.
#include "platform/TileChoiceStore.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace velmora::platform {

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
};

// The caller stores the placement (WriteTileWallpaper) before it sets the picture, and the picture
// file is complete on disk before SetWallpaper is called.
class WallpaperBackend : public TileChoiceStore {
public:
    // The desktop's name for messages ("GNOME", "XFCE", ...).
    virtual QString name() const = 0;
    // Shows the picture as the wallpaper. Called from a worker thread, never two at a time.
    virtual WallpaperResult SetWallpaper(const WallpaperPicture& picture) = 0;
    // A text the program shows once (why the wallpaper was not installed); empty afterwards and
    // for every backend that installs it.
    virtual QString TakeNotice() { return {}; }
};

} // namespace velmora::platform
