#pragma once
// LXQt: pcmanfm-qt's desktop draws its own wallpaper window over the root window. The running desktop
// takes a change through "pcmanfm-qt --set-wallpaper FILE --wallpaper-mode tile|center" and reads the
// file again even when its name is the one it shows, so the wallpaper file itself is handed over.
// Without a running desktop the tool forgets the picture and still succeeds: that is reported.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

#include <functional>

namespace velmora::platform {

class LxqtBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(LxqtBackend)

public:
    // program is the pcmanfm-qt tool; desktopRunning tells whether "pcmanfm-qt --desktop" runs (by
    // default, looked up among the user's processes).
    explicit LxqtBackend(QString program = QStringLiteral("pcmanfm-qt"),
                         std::function<bool()> desktopRunning = {});

    QString name() const override { return QStringLiteral("LXQt"); }
    // pcmanfm-qt has no way to report its mode: this is the placement stored during this run.
    QString ReadTileWallpaper() override { return m_tile; }
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;

private:
    QString m_program;
    std::function<bool()> m_desktopRunning;
    QString m_tile;
};

} // namespace velmora::platform
