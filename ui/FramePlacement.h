#pragma once
// Windows are placed by their frame (title bar included), as the stored Left and Top mean. A frame
// whose title bar no screen shows, because a screen has gone or the free area has moved, could be
// neither moved nor closed with the mouse, so it is brought back first.
#include <QList>
#include <QRect>

class QWidget;

namespace velmora {

// Left alone while some screen's free area shows the top of the title bar, wide enough to grab;
// otherwise moved onto the nearest screen (the one sharing most of the frame, else the closest), as
// far inside as its size allows: a frame larger than the screen gets the screen's left and top
// edges. The size never changes. screens: each screen's free area (available geometry).
QRect FrameOnScreens(const QRect& frame, const QList<QRect>& screens);

// The free area of every screen now.
QList<QRect> AvailableScreenAreas();

// Puts a top-level window's frame corner at frame's corner (brought back as above) and gives its
// client area frame's size. For a window not yet shown whose size nothing changes before it is
// mapped: a resize in between makes the native window place its client area there instead.
void PlaceWindowFrame(QWidget& window, const QRect& frame);

} // namespace velmora
