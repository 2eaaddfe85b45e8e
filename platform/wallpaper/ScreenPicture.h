#pragma once
// A picture laid out over a whole screen, for desktops that cannot be trusted to tile or centre it
// themselves.
#include <QImage>
#include <QSize>

namespace velmora::platform {

// A screen-sized RGB picture: the picture repeated from the top left corner when tiled, otherwise
// centred on black (cut evenly at both sides when larger than the screen).
QImage ComposeScreenImage(const QImage& picture, QSize screen, bool tiled);

} // namespace velmora::platform
