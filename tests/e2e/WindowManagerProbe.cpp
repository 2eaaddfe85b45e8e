#include "tests/e2e/WindowManagerProbe.h"

#include <QElapsedTimer>
#include <QThread>

// Last: Xlib's macros would clash with Qt's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace velmora::test {
namespace {

bool hasProperty(Display* display, Window window, Atom property)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window, property, 0, 4, False, AnyPropertyType, &type, &format, &items, &after,
                       &data);
    if (data)
        XFree(data);
    return type != None;
}

} // namespace

bool WindowManagerAnswers(const QString& display, int timeoutMs)
{
    const QByteArray name = display.toLocal8Bit();
    Display* x = XOpenDisplay(name.constData());
    if (!x)
        return false;
    const Window root = DefaultRootWindow(x);
    const Window probe = XCreateSimpleWindow(x, root, 0, 0, 8, 8, 0, 0, 0);
    const Atom request = XInternAtom(x, "_NET_REQUEST_FRAME_EXTENTS", False);
    const Atom extents = XInternAtom(x, "_NET_FRAME_EXTENTS", False);
    QElapsedTimer waited;
    waited.start();
    bool answered = false;
    while (!answered && waited.elapsed() < timeoutMs) {
        // Sent again each time: a request read while the manager was starting may wait for the next.
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = probe;
        event.xclient.message_type = request;
        event.xclient.format = 32;
        XSendEvent(x, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &event);
        XSync(x, False);
        for (int i = 0; i < 10 && !answered; ++i) {
            answered = hasProperty(x, probe, extents);
            if (!answered)
                QThread::msleep(50);
        }
    }
    XDestroyWindow(x, probe);
    XCloseDisplay(x);
    return answered;
}

} // namespace velmora::test
