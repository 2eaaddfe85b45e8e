#include "engine/ApplyWallpaper.h"

#include "engine/BmpWriter.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>

namespace velmora {

QString ReadTileWallpaper(platform::WallpaperBackend& backend)
{
    return backend.ReadTileWallpaper();
}

QString MonitorModeNote(const QString& desktop, platform::MonitorMode mode)
{
    const QString what = mode == platform::MonitorMode::Each
                             ? QCoreApplication::translate("ApplyWallpaper", "モニターごとに別の壁紙")
                             : QCoreApplication::translate("ApplyWallpaper", "全モニターにまたがる壁紙");
    return QCoreApplication::translate("ApplyWallpaper",
                                       "%1 では%2を表示できないため、各モニターに同じ壁紙を表示します。")
        .arg(desktop, what);
}

ApplyResult ApplyWallpaper(ApplyRequest request)
{
    ApplyResult result;
    std::vector<platform::MonitorPicture> monitors;
    if (request.monitors.size() > 1) {
        platform::MonitorMode mode = request.monitorMode;
        if (!request.backend->ShowsMonitorMode(mode)) {
            result.monitorNote = MonitorModeNote(request.backend->name(), mode);
            mode = platform::MonitorMode::Same;
        }
        MonitorComposition composition = ComposeForMonitors(std::move(request.compose), request.monitors,
                                                            mode, std::move(request.monitorSources));
        result.composed = std::move(composition.primary);
        monitors = std::move(composition.monitors);
    } else {
        result.composed = ComposeWallpaper(std::move(request.compose));
    }
    if (result.composed.left)
        return result;
    const QImage& wallpaper = result.composed.image;
    const QString tile = result.composed.tileWallpaper;
    const QString target = request.programFolder + QString::fromUtf16(WallpaperFileName);

    Steps save;
    save([&] { SaveBmp24(wallpaper, target); });
    if (save.left())
        return result;

    // The desktop's own failures: recorded, then handled as the caller chose.
    const FailureHandler handler = request.desktopFailures ? request.desktopFailures : AskUser;
    bool failed = false;
    Steps desktop([&](const Failure& failure) {
        failed = true;
        result.desktopErrors << failure.text();
        return handler(failure);
    });
    const auto check = [](const platform::WallpaperResult& outcome) {
        if (!outcome)
            throw Failure(ErrorCode::InvalidCall, outcome.error);
    };
    // The placement goes first, so that the desktop shows the new picture in the right one.
    desktop([&] {
        failed = false;
        check(request.backend->WriteTileWallpaper(tile));
    });
    const bool placed = !failed;
    desktop([&] {
        failed = false;
        platform::WallpaperPicture picture(target, tile, wallpaper, request.largestScreen);
        picture.monitors = monitors;
        check(request.backend->SetWallpaper(picture));
    });
    result.installed = placed && !failed && !desktop.left();
    result.notice = request.backend->TakeNotice();
    return result;
}

} // namespace velmora
