#include "platform/WindowMapping.h"

#include <QGuiApplication>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace velmora::platform {
namespace {

bool hasWindowManagerState(Display* display, Window window)
{
    // A window manager sets WM_STATE on every window it takes, iconic ones included.
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, wmState, 0, 2, False, AnyPropertyType, &type,
                                          &format, &items, &after, &data);
    if (data)
        XFree(data);
    return status == Success && type != None;
}

} // namespace

bool MapAgainIfLost(Display* display, quint32 window)
{
    if (!display || window == 0)
        return false;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window, &attributes))
        return false;
    if (attributes.map_state != IsUnmapped || hasWindowManagerState(display, window))
        return false;
    XMapWindow(display, window);
    XFlush(display);
    return true;
}

bool MapAgainIfLost(const QWindow& window)
{
    if (QGuiApplication::platformName() != u"xcb" || !window.handle())
        return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return false;
    return MapAgainIfLost(x11->display(), static_cast<quint32>(window.winId()));
}

} // namespace velmora::platform
