#pragma once
// XFCE: xfdesktop keeps one picture and one style per monitor and workspace in the xfconf channel
// "xfce4-desktop" (/backdrop/screen0/monitorHDMI-1/workspace0/last-image ...). The real property
// names are listed at each change and every one is written.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QStringList>

namespace velmora::platform {

class XfceBackend final : public WallpaperBackend {
public:
    // monitors: output names ("HDMI-1") used only when xfdesktop has written no property yet;
    // by default the names of the screens. program is the xfconf-query tool.
    explicit XfceBackend(QStringList monitors = {}, QString program = QStringLiteral("xfconf-query"));

    QString name() const override { return QStringLiteral("XFCE"); }
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;

private:
    // Every property whose last component is leaf, or new ones for each known monitor.
    WallpaperResult targets(const QString& leaf, QStringList* existing, QStringList* created);
    WallpaperResult setAll(const QString& leaf, const QString& type, const QString& value,
                           int* written = nullptr);

    QStringList m_monitors;
    QString m_program;
};

} // namespace velmora::platform
