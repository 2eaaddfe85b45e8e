#pragma once
// A wallpaper backend that records its calls in order and fails the ones it is told to.
#include "platform/wallpaper/WallpaperBackend.h"

#include <QFileInfo>
#include <QStringList>

#include <utility>

namespace velmora::test {

class RecordingBackend final : public platform::WallpaperBackend {
public:
    QStringList calls; // "tile <value>", "set <file name> <placement> <file exists>"
    QString failSet;   // the error of the next SetWallpaper, when not empty
    QString notice;    // given once by TakeNotice
    QString placement = QStringLiteral("0");
    bool everyMonitorMode = false; // else only the same picture on each monitor

    QString name() const override { return QStringLiteral("recording"); }
    QString ReadTileWallpaper() override { return placement; }
    platform::WallpaperResult WriteTileWallpaper(const QString& value) override
    {
        calls << QStringLiteral("tile ") + value;
        placement = value;
        return platform::WallpaperResult::success();
    }
    platform::WallpaperResult SetWallpaper(const platform::WallpaperPicture& picture) override
    {
        const QString& file = picture.file;
        const QString& tile = picture.tileWallpaper;
        calls << QStringLiteral("set %1 %2 %3")
                     .arg(QFileInfo(file).fileName(), tile)
                     .arg(QFileInfo::exists(file));
        if (!failSet.isEmpty())
            return platform::WallpaperResult::failure(std::exchange(failSet, QString()));
        return platform::WallpaperResult::success();
    }
    QString TakeNotice() override { return std::exchange(notice, QString()); }
    bool ShowsMonitorMode(platform::MonitorMode mode) const override
    {
        return everyMonitorMode || mode == platform::MonitorMode::Same;
    }
};

} // namespace velmora::test
