#pragma once
// Turning the loaded wallpaper image into the desktop's wallpaper: the composition steps in their
// fixed order, "$$WALL$$.BMP", the placement, and the desktop.
#include "engine/EngineState.h"

#include <functional>

namespace velmora {

namespace platform {
class WallpaperBackend;
}

inline constexpr char16_t WallpaperFileName[] = u"$$WALL$$.BMP";

struct ApplyContext {
    EngineState& state;
    Settings& settings;
    platform::WallpaperBackend& backend;
    QString programFolder; // ending in a separator
    // The collage step; none until the collage exists.
    std::function<void()> composeCollage;
};

// The desktop's placement at start-up into TileWallpaper ("1", "0", or empty when unknown).
void ReadTileWallpaper(EngineState& state, platform::WallpaperBackend& backend);

// Composes what leadWallPaper holds and installs it. Each step runs under the uniform handler:
// Retry runs the failing step again, Ignore goes on with the next, Abort leaves. The chosen file's
// path is not used: the image was loaded before. A call that comes while another one is still
// composing (the collage lets the event loop run) is refused and returns false at once, and so is
// one before any picture was loaded.
bool ApplyWallpaper(ApplyContext& context, const QString& path = {});

} // namespace velmora
