#pragma once
// Which desktop the program runs on, told from the session's environment variables.
#include <QString>

namespace velmora::platform {

enum class DesktopKind { None, Gnome, Cinnamon, Mate, Xfce, Plasma, Sway, Lxqt, X11Root, Windows };

// The variables a session sets, captured once so that the choice can be tested.
struct DesktopSession {
    QString currentDesktop;      // XDG_CURRENT_DESKTOP, a ":"-separated list such as "ubuntu:GNOME"
    QString sessionDesktop;      // XDG_SESSION_DESKTOP
    QString desktopSession;      // DESKTOP_SESSION
    QString sessionType;         // XDG_SESSION_TYPE: "x11", "wayland", "tty"
    QString waylandDisplay;      // WAYLAND_DISPLAY
    QString swaySocket;          // SWAYSOCK
    QString x11Display;          // DISPLAY
    bool kdeFullSession = false; // KDE_FULL_SESSION
    bool gnomeSessionId = false; // GNOME_DESKTOP_SESSION_ID
    bool mateSessionId = false;  // MATE_DESKTOP_SESSION_ID

    static DesktopSession fromEnvironment();
};

// Known desktops and bare X11 window managers by name first, then sway by its socket; an X11 session of another desktop gets the
// root window, and a Wayland session of another compositor gets nothing (its X root is not shown).
DesktopKind DetectDesktop(const DesktopSession& session);

// A short name for messages, empty for None.
QString DesktopName(DesktopKind kind);

} // namespace velmora::platform
