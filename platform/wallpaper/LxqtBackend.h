#pragma once
// LXQt: pcmanfm-qt's desktop draws its own wallpaper window over the root window. The running desktop
// takes a change through "pcmanfm-qt --set-wallpaper FILE --wallpaper-mode tile|center" and reads the
// file again even when its name is the one it shows, so the wallpaper file itself is handed over.
#include "platform/wallpaper/WallpaperBackend.h"

namespace velmora::platform {

class LxqtBackend final : public WallpaperBackend {
public:
    // program is the pcmanfm-qt tool.
    explicit LxqtBackend(QString program = QStringLiteral("pcmanfm-qt"));

    QString name() const override { return QStringLiteral("LXQt"); }
    // pcmanfm-qt has no way to report its mode: this is the placement stored during this run.
    QString ReadTileWallpaper() override { return m_tile; }
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;

private:
    QString m_program;
    QString m_tile;
};

} // namespace velmora::platform
