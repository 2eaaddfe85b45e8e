#pragma once
// No desktop we know: the wallpaper file is written and kept, nothing is installed, and the user is
// told so once.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

namespace velmora::platform {

class NullBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(NullBackend)

public:
    // desktop: what the session calls itself (XDG_CURRENT_DESKTOP), named in the notice when known.
    explicit NullBackend(QString desktop = {})
        : m_desktop(std::move(desktop))
    {}

    QString name() const override { return tr("なし"); }
    QString ReadTileWallpaper() override { return m_tile.ReadTileWallpaper(); }
    WallpaperResult WriteTileWallpaper(const QString& value) override
    {
        return m_tile.WriteTileWallpaper(value);
    }
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;
    // Nothing is shown: the bitmap holds what the mode asks for.
    bool ShowsMonitorMode(MonitorMode) const override { return true; }
    QString TakeNotice() override;

private:
    QString m_desktop;
    MemoryTileChoiceStore m_tile;
    QString m_notice;
    bool m_told = false;
};

} // namespace velmora::platform
