#pragma once
// A window the program showed but that never reached the screen. On X11 a window manager that is
// itself starting can read a window's map request ahead of its event loop and leave it unanswered
// until some other event wakes it (openbox 3.6 does, when a session starts it and the program at
// once); in a quiet session that is never. Mapping the window again sends the request anew.
#include <QtGlobal>

class QWindow;
typedef struct _XDisplay Display;

namespace velmora::platform {

// When the window is neither mapped nor taken by a window manager (no WM_STATE), asks for it to be
// mapped again and returns true. False when it is on the screen, managed (also iconic), or not an
// X11 window (Wayland, offscreen).
bool MapAgainIfLost(const QWindow& window);

// The same for an X window on a connection of the caller's.
bool MapAgainIfLost(Display* display, quint32 window);

} // namespace velmora::platform
