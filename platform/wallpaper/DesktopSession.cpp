#include "platform/wallpaper/DesktopSession.h"

#include <QStringList>

namespace velmora::platform {
namespace {

// Names as desktops put them into XDG_CURRENT_DESKTOP or DESKTOP_SESSION, lower case.
DesktopKind kindFromName(const QString& name)
{
    const QString n = name.trimmed().toLower();
    if (n.isEmpty())
        return DesktopKind::None;
    // Budgie, Pantheon, Unity and GNOME's own sessions all draw the background from GNOME's schema.
    static const char* const gnomeFamily[] = {"gnome",      "gnome-classic",  "gnome-flashback",
                                              "gnome-xorg", "ubuntu",         "unity",
                                              "budgie",     "budgie-desktop", "pantheon"};
    for (const char* g : gnomeFamily)
        if (n == QLatin1String(g))
            return DesktopKind::Gnome;
    if (n == u"x-cinnamon" || n == u"cinnamon" || n == u"cinnamon2d")
        return DesktopKind::Cinnamon;
    if (n == u"mate")
        return DesktopKind::Mate;
    if (n == u"xfce" || n == u"xfce4" || n == u"xubuntu")
        return DesktopKind::Xfce;
    if (n == u"kde" || n == u"plasma" || n == u"plasmawayland" || n == u"plasmax11")
        return DesktopKind::Plasma;
    if (n == u"sway")
        return DesktopKind::Sway;
    if (n == u"lxqt")
        return DesktopKind::Lxqt;
    // Window managers without a desktop of their own show the root window's background.
    static const char* const bareWindowManagers[] = {"i3",      "bspwm",       "openbox", "fluxbox",
                                                     "awesome", "dwm",         "icewm",   "herbstluftwm",
                                                     "xmonad",  "windowmaker", "jwm",     "fvwm"};
    for (const char* w : bareWindowManagers)
        if (n == QLatin1String(w))
            return DesktopKind::X11Root;
    return DesktopKind::None;
}

DesktopKind kindFromList(const QString& list)
{
    // "ubuntu:GNOME" names the flavour first; the first entry we know wins.
    for (const QString& part : list.split(u':', Qt::SkipEmptyParts))
        if (const DesktopKind kind = kindFromName(part); kind != DesktopKind::None)
            return kind;
    return DesktopKind::None;
}

bool isSet(const char* name)
{
    return !qEnvironmentVariableIsEmpty(name);
}

} // namespace

DesktopSession DesktopSession::fromEnvironment()
{
    DesktopSession s;
    s.currentDesktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    s.sessionDesktop = qEnvironmentVariable("XDG_SESSION_DESKTOP");
    s.desktopSession = qEnvironmentVariable("DESKTOP_SESSION");
    s.sessionType = qEnvironmentVariable("XDG_SESSION_TYPE");
    s.waylandDisplay = qEnvironmentVariable("WAYLAND_DISPLAY");
    s.swaySocket = qEnvironmentVariable("SWAYSOCK");
    s.x11Display = qEnvironmentVariable("DISPLAY");
    s.kdeFullSession = isSet("KDE_FULL_SESSION");
    s.gnomeSessionId = isSet("GNOME_DESKTOP_SESSION_ID");
    s.mateSessionId = isSet("MATE_DESKTOP_SESSION_ID");
    return s;
}

DesktopKind DetectDesktop(const DesktopSession& s)
{
#ifdef Q_OS_WIN
    Q_UNUSED(s);
    return DesktopKind::Windows;
#else
    // A named bare window manager is an X11 session even when a Wayland login left its variables behind.
    const auto named = [&s](DesktopKind kind) {
        return kind == DesktopKind::X11Root && s.x11Display.isEmpty() ? DesktopKind::None : kind;
    };
    for (const QString& names : {s.currentDesktop, s.sessionDesktop})
        if (const DesktopKind kind = named(kindFromList(names)); kind != DesktopKind::None)
            return kind;
    // DESKTOP_SESSION may be a path to the session file in older display managers.
    if (const DesktopKind kind = named(kindFromName(s.desktopSession.section(u'/', -1)));
        kind != DesktopKind::None)
        return kind;
    if (s.kdeFullSession)
        return DesktopKind::Plasma;
    if (s.mateSessionId)
        return DesktopKind::Mate;
    if (s.gnomeSessionId)
        return DesktopKind::Gnome;
    if (!s.swaySocket.isEmpty())
        return DesktopKind::Sway;
    const bool wayland =
        !s.waylandDisplay.isEmpty() || s.sessionType.compare(u"wayland", Qt::CaseInsensitive) == 0;
    if (wayland)
        return DesktopKind::None;
    if (!s.x11Display.isEmpty())
        return DesktopKind::X11Root;
    return DesktopKind::None;
#endif
}

QString DesktopName(DesktopKind kind)
{
    switch (kind) {
    case DesktopKind::Gnome: return QStringLiteral("GNOME");
    case DesktopKind::Cinnamon: return QStringLiteral("Cinnamon");
    case DesktopKind::Mate: return QStringLiteral("MATE");
    case DesktopKind::Xfce: return QStringLiteral("XFCE");
    case DesktopKind::Plasma: return QStringLiteral("KDE Plasma");
    case DesktopKind::Sway: return QStringLiteral("sway");
    case DesktopKind::Lxqt: return QStringLiteral("LXQt");
    case DesktopKind::X11Root: return QStringLiteral("X11");
    case DesktopKind::Windows: return QStringLiteral("Windows");
    case DesktopKind::None: break;
    }
    return {};
}

} // namespace velmora::platform
