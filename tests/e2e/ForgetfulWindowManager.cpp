// A window manager that leaves the first map request of every window unanswered and takes the
// window at the next one, as openbox does with a request it read while it was still starting.
// Usage: velmora_forgetful_wm   (on $DISPLAY; runs until killed)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <set>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "velmora_forgetful_wm: no X display\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureRedirectMask | SubstructureNotifyMask);
    XSync(display, False);
    const Atom wmState = XInternAtom(display, "WM_STATE", False);
    std::set<Window> asked;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapRequest) {
            const Window window = event.xmaprequest.window;
            if (asked.insert(window).second)
                continue;
            const long state[2] = {NormalState, 0};
            XChangeProperty(display, window, wmState, wmState, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(state), 2);
            XMapWindow(display, window);
        } else if (event.type == ConfigureRequest) {
            const XConfigureRequestEvent& request = event.xconfigurerequest;
            XWindowChanges changes{request.x,           request.y,       request.width, request.height,
                                   request.border_width, request.above,  request.detail};
            XConfigureWindow(display, request.window, static_cast<unsigned>(request.value_mask), &changes);
        }
        XFlush(display);
    }
}
