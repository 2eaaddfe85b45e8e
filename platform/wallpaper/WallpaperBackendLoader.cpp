#include "platform/wallpaper/WallpaperBackendLoader.h"

#include "platform/wallpaper/NullBackend.h"
#ifdef Q_OS_WIN
#include "platform/wallpaper/WindowsBackend.h"
#else
#include "platform/wallpaper/GSettingsBackend.h"
#include "platform/wallpaper/LxqtBackend.h"
#include "platform/wallpaper/PlasmaBackend.h"
#include "platform/wallpaper/SwayBackend.h"
#include "platform/wallpaper/X11RootBackend.h"
#include "platform/wallpaper/XfceBackend.h"
#endif

namespace velmora::platform {

std::unique_ptr<WallpaperBackend> CreateWallpaperBackend(DesktopKind kind, const QString& desktopName)
{
    switch (kind) {
#ifdef Q_OS_WIN
    case DesktopKind::Windows: return std::make_unique<WindowsBackend>();
#else
    case DesktopKind::Gnome: return std::make_unique<GSettingsBackend>(GSettingsFlavour::gnome());
    case DesktopKind::Cinnamon: return std::make_unique<GSettingsBackend>(GSettingsFlavour::cinnamon());
    case DesktopKind::Mate: return std::make_unique<GSettingsBackend>(GSettingsFlavour::mate());
    case DesktopKind::Xfce: return std::make_unique<XfceBackend>();
    case DesktopKind::Plasma: return std::make_unique<PlasmaBackend>();
    case DesktopKind::Sway: return std::make_unique<SwayBackend>();
    case DesktopKind::Lxqt: return std::make_unique<LxqtBackend>();
    case DesktopKind::X11Root: return std::make_unique<X11RootBackend>();
#endif
    default: break;
    }
    return std::make_unique<NullBackend>(desktopName);
}

std::unique_ptr<WallpaperBackend> LoadWallpaperBackend(const DesktopSession& session)
{
    const DesktopKind kind = DetectDesktop(session);
    const QString named = !session.currentDesktop.isEmpty() ? session.currentDesktop : session.desktopSession;
    return CreateWallpaperBackend(kind, named);
}

std::unique_ptr<WallpaperBackend> LoadWallpaperBackend()
{
    return LoadWallpaperBackend(DesktopSession::fromEnvironment());
}

} // namespace velmora::platform
