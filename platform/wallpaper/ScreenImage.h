#pragma once
// Screen sizes in physical pixels and a picture laid out over a whole screen, for desktops that
// cannot be trusted to tile or centre it themselves.
#include <QImage>
#include <QSize>

namespace velmora::platform {

// A screen's size in device pixels: its logical size times its device pixel ratio. A wallpaper
// composed at the logical size of a 200 % screen would be blown up and blurred.
QSize PhysicalSize(QSize logical, qreal devicePixelRatio);

// The primary screen in device pixels; empty without a screen.
QSize PrimaryPhysicalScreenSize();

// The widest and the tallest of all screens, so that one picture covers each of them.
QSize LargestPhysicalScreenSize();

// A screen-sized RGB picture: the picture repeated from the top left corner when tiled, otherwise
// centred on black (cut evenly at both sides when larger than the screen).
QImage ComposeScreenImage(const QImage& picture, QSize screen, bool tiled);

} // namespace velmora::platform
