#include "engine/ApplyWallpaper.h"

#include "engine/BmpWriter.h"
#include "platform/wallpaper/WallpaperBackend.h"

namespace velmora {

QString ReadTileWallpaper(platform::WallpaperBackend& backend)
{
    return backend.ReadTileWallpaper();
}

ApplyResult ApplyWallpaper(ApplyRequest request)
{
    ApplyResult result;
    result.composed = ComposeWallpaper(std::move(request.compose));
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
        check(request.backend->SetWallpaper({target, tile, wallpaper, request.largestScreen}));
    });
    result.installed = placed && !failed && !desktop.left();
    result.notice = request.backend->TakeNotice();
    return result;
}

} // namespace velmora
