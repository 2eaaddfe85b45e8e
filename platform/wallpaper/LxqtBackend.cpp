#include "platform/wallpaper/LxqtBackend.h"

#include "platform/wallpaper/RunningProgram.h"
#include "platform/wallpaper/ToolRun.h"

namespace velmora::platform {

LxqtBackend::LxqtBackend(QString program, std::function<bool()> desktopRunning)
    : m_program(std::move(program))
    , m_desktopRunning(desktopRunning ? std::move(desktopRunning) : [] {
        return IsProgramRunning(QStringLiteral("pcmanfm-qt"), QStringLiteral("--desktop"));
    })
{}

WallpaperResult LxqtBackend::WriteTileWallpaper(const QString& value)
{
    m_tile = value;
    return WallpaperResult::success();
}

WallpaperResult LxqtBackend::SetWallpaper(const WallpaperPicture& picture)
{
    if (!m_desktopRunning())
        return WallpaperResult::failure(
            tr("LXQt のデスクトップ (pcmanfm-qt --desktop) が動いていないため、壁紙を設定できません。"));
    const QString mode = IsTiled(picture.tileWallpaper) ? QStringLiteral("tile") : QStringLiteral("center");
    const ToolRun run = ToolRun::run(m_program, {QStringLiteral("--set-wallpaper"), picture.file,
                                                 QStringLiteral("--wallpaper-mode"), mode});
    if (!run.ok)
        return WallpaperResult::failure(tr("LXQt の壁紙を設定できません。\n%1").arg(run.error));
    return WallpaperResult::success();
}

} // namespace velmora::platform
