#pragma once
// sway: "swaymsg output * bg FILE tile|center", or with several monitors one file and one
// "output NAME bg" for each output (velmora-wallpaper-NAME-1.BMP ...). sway joins the arguments into one
// command line, splits it at ";" and expands "$" and "~" in the path, so the file handed over always has a
// name of plain characters (a link beside the wallpaper, or in the runtime folder when the program folder's
// own path has other characters).
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

namespace velmora::platform {

class SwayBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(SwayBackend)

public:
    // runtimeFolder holds the handed-over file when the program folder's path is not plain;
    // by default $XDG_RUNTIME_DIR/velmora. program is the swaymsg tool.
    explicit SwayBackend(QString runtimeFolder = {}, QString program = QStringLiteral("swaymsg"));

    QString name() const override { return QStringLiteral("sway"); }
    // sway cannot report its background mode: this is the placement stored during this run.
    QString ReadTileWallpaper() override { return m_tile; }
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;

    // Each output by its name: "output NAME bg FILE MODE".
    bool ShowsMonitorMode(MonitorMode) const override { return true; }

    // True when sway would read the path as it is.
    static bool IsPlainPath(const QString& path);
    // True for an output name sway would read as it is ("HDMI-A-1").
    static bool IsPlainName(const QString& output);

private:
    WallpaperResult setPerOutput(const WallpaperPicture& picture, const QString& folder);

    QString m_runtimeFolder;
    QString m_program;
    QString m_tile;
};

} // namespace velmora::platform
