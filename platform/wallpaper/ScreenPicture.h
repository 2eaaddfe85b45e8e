#pragma once
// A picture laid out over a whole screen, for desktops that cannot be trusted to tile or centre it
// themselves.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <vector>

namespace velmora::platform {

// A screen-sized RGB picture: the picture repeated from the top left corner when tiled, otherwise
// centred on black (cut evenly at both sides when larger than the screen).
QImage ComposeScreenImage(const QImage& picture, QSize screen, bool tiled);

// One picture of the area (the monitors' bounding box, for desktops that span one picture over all
// monitors): black, each monitor's picture laid out within that monitor as ComposeScreenImage lays
// it over a screen. Null when memory runs out.
QImage ComposeMonitorsImage(const std::vector<MonitorPicture>& monitors, QRect area);

} // namespace velmora::platform
