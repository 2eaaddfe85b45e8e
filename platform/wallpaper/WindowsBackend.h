#pragma once
// Windows: SystemParametersInfo installs the file, and the value "TileWallpaper" under
// HKEY_CURRENT_USER\Control Panel\desktop holds the placement. Built only for Windows.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

namespace velmora::platform {

class WindowsBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(WindowsBackend)

public:
    QString name() const override { return QStringLiteral("Windows"); }
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;
};

} // namespace velmora::platform
