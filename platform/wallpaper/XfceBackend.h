#pragma once
// XFCE: xfdesktop keeps one picture and one style per monitor and workspace in the xfconf channel
// "xfce4-desktop" (/backdrop/screen0/monitorHDMI-1/workspace0/last-image ...). The real property
// names are listed at each change and every one is written; with several monitors each monitor's
// properties get that monitor's picture.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>
#include <QStringList>

namespace velmora::platform {

class XfceBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(XfceBackend)

public:
    // monitors: output names ("HDMI-1") used only when xfdesktop has written no property yet;
    // by default the names of the screens. program is the xfconf-query tool.
    explicit XfceBackend(QStringList monitors = {}, QString program = QStringLiteral("xfconf-query"));

    QString name() const override { return QStringLiteral("XFCE"); }
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;
    // Each monitor's own last-image.
    bool ShowsMonitorMode(MonitorMode) const override { return true; }

private:
    // Every last-image the same picture.
    WallpaperResult setAllMonitors(const WallpaperPicture& picture);
    // Each monitor's last-image properties its own file ("$$WALL$$-HDMI-1-1.BMP" ...).
    WallpaperResult setPerMonitor(const WallpaperPicture& picture);
    // Every property whose last component is leaf, or new ones for each known monitor.
    WallpaperResult targets(const QString& leaf, QStringList* existing, QStringList* created);
    WallpaperResult setAll(const QString& leaf, const QString& type, const QString& value,
                           int* written = nullptr);

    QStringList m_monitors;
    QString m_program;
};

} // namespace velmora::platform
