#pragma once
// One desktop's way of showing a picture file as the wallpaper and of keeping its placement.
#include "platform/TileChoiceStore.h"

#include <QString>

namespace velmora::platform {

// The caller stores the placement (WriteTileWallpaper) before it sets the picture, and the picture
// file is complete on disk before SetWallpaper is called.
class WallpaperBackend : public TileChoiceStore {
public:
    // The desktop's name for messages ("GNOME", "XFCE", ...).
    virtual QString name() const = 0;
    // Shows the file as the wallpaper, tiled when tileWallpaper is "1", centred otherwise.
    virtual WallpaperResult SetWallpaper(const QString& file, const QString& tileWallpaper) = 0;
    // A text the program shows once (why the wallpaper was not installed); empty afterwards and
    // for every backend that installs it.
    virtual QString TakeNotice() { return {}; }
};

} // namespace velmora::platform
