#pragma once
// The wallpaper of several monitors as plain functions: each monitor's composition (MonitorMode Same
// and Each), or one composition across all of them cut into each monitor's part (Across). Safe on a
// worker thread.
#include "engine/ComposeWallpaper.h"
#include "platform/Monitors.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <vector>

namespace velmora {

// A picture of its own for a monitor (MonitorMode Each).
struct MonitorSource {
    QImage source;
    QSize storedSize; // as ComposeRequest::storedSize
};

struct MonitorComposition {
    // What "$$WALL$$.BMP" holds and the preview shows: the primary monitor's composition, or in
    // MonitorMode Across the canvas of the monitors' bounding box. Its placement, drawn effects and
    // tile decision are the primary monitor's (Across: the canvas's).
    ComposeResult primary;
    // Each monitor's part, in the order of the monitors. Across: each one a view of primary.image,
    // valid while that image is neither changed nor released.
    std::vector<platform::MonitorPicture> monitors;
};

// Composes request for every monitor. Same: the request's picture for each monitor's size, the
// calendar on the primary only, a drawn effect set drawn once; monitors of one size share a
// composition. Each: monitor i shows sources[i] (the request's picture where sources has none).
// Across: one composition for the bounding box laid out on a canvas of that size, the calendar in
// the primary monitor's corner; what lies between monitors is never shown. A collage is composed
// once, for the primary monitor (Across: for the bounding box), and shown on every monitor.
MonitorComposition ComposeForMonitors(ComposeRequest request, const platform::MonitorList& monitors,
                                      platform::MonitorMode mode, std::vector<MonitorSource> sources = {});

// ComposeReducedSize for the monitors: the largest of their reduced sizes (Across: the bounding box's);
// invalid when any monitor needs the picture whole.
QSize MonitorsReducedSize(const Settings& settings, const platform::MonitorList& monitors,
                          platform::MonitorMode mode, QSize stored);

} // namespace velmora
