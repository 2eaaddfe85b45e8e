#pragma once
// Turning a loaded picture into the desktop's wallpaper: the composition, "$$WALL$$.BMP", the
// placement, and the desktop. One plain function, run as a job off the window thread.
#include "core/Steps.h"
#include "engine/ComposeWallpaper.h"

#include <memory>

namespace velmora {

namespace platform {
class WallpaperBackend;
}

inline constexpr char16_t WallpaperFileName[] = u"$$WALL$$.BMP";

struct ApplyRequest {
    ComposeRequest compose;
    QString programFolder; // ending in a separator
    std::shared_ptr<platform::WallpaperBackend> backend;
    // The widest and tallest screen in device pixels, for desktops we tile for; empty when unknown.
    QSize largestScreen;
    // How failures of the two desktop steps are handled; the uniform Abort/Retry/Ignore by default.
    FailureHandler desktopFailures;
};

struct ApplyResult {
    ComposeResult composed;
    // The desktop took the picture (the placement and the picture were both set).
    bool installed = false;
    // Texts of the desktop steps that failed, whatever the handler chose.
    QStringList desktopErrors;
    // A text the backend asks to be shown once (no known desktop); empty otherwise.
    QString notice;
};

// The desktop's placement at start-up ("1", "0", or empty when unknown).
QString ReadTileWallpaper(platform::WallpaperBackend& backend);

// Composes the request's picture, writes "$$WALL$$.BMP" (24-bit, atomically), stores the placement
// and tells the desktop, each step under the uniform handler: Retry runs the failing step again,
// Ignore goes on with the next, Abort leaves. Safe on a worker thread.
ApplyResult ApplyWallpaper(ApplyRequest request);

} // namespace velmora
