#pragma once
// Any other X11 session: the picture becomes the root window's background pixmap, as classic X
// tools set it; with several monitors, each monitor's picture is laid out within that monitor.
// _XROOTPMAP_ID and ESETROOT_PMAP_ID name the pixmap for pseudo-transparent programs; the connection
// closes in RetainPermanent mode so that the pixmap outlives the program, and the pixmap an earlier
// run of this program set is freed (another program's is left to it).
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

namespace velmora::platform {

class X11RootBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(X11RootBackend)

public:
    // display: an X display name such as ":0"; empty for $DISPLAY.
    explicit X11RootBackend(QString display = {});

    QString name() const override { return QStringLiteral("X11"); }
    // X has no placement of its own: the choice is kept as a property of the root window.
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;
    // One canvas of the virtual screen holds every monitor's part.
    bool ShowsMonitorMode(MonitorMode) const override { return true; }

private:
    QString m_display;
};

} // namespace velmora::platform
