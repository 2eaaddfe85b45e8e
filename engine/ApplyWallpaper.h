#pragma once
// Turning a loaded picture into the desktop's wallpaper: the composition, "$$WALL$$.BMP", the
// placement, and the desktop. One plain function, run as a job off the window thread.
#include "core/Steps.h"
#include "engine/ComposeWallpaper.h"
#include "engine/MonitorComposition.h"

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
    // Every monitor, left to right; with one (or none) the wallpaper is composed for compose.screen.
    platform::MonitorList monitors;
    platform::MonitorMode monitorMode = platform::MonitorMode::Same;
    // MonitorMode Each: the pictures of the monitors after the first, which shows compose.source.
    std::vector<MonitorSource> monitorSources;
};

struct ApplyResult {
    ComposeResult composed;
    // The desktop took the picture (the placement and the picture were both set).
    bool installed = false;
    // Texts of the desktop steps that failed, whatever the handler chose.
    QStringList desktopErrors;
    // A text the backend asks to be shown once (no known desktop); empty otherwise.
    QString notice;
    // The desktop cannot show the monitor mode asked for; the change fell back to the same picture
    // on each monitor. Empty otherwise.
    QString monitorNote;
};

// The desktop's placement at start-up ("1", "0", or empty when unknown).
QString ReadTileWallpaper(platform::WallpaperBackend& backend);

// The note for a desktop that cannot show mode.
QString MonitorModeNote(const QString& desktop, platform::MonitorMode mode);

// Composes the request's picture (for every monitor, see ComposeForMonitors), writes "$$WALL$$.BMP" (24-bit,
// atomically), stores the placement and tells the desktop, each step under the uniform handler: Retry runs
// the failing step again, Ignore goes on with the next, Abort leaves. Safe on a worker thread.
ApplyResult ApplyWallpaper(ApplyRequest request);

} // namespace velmora
