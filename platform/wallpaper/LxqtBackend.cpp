#include "platform/wallpaper/LxqtBackend.h"

#include "platform/wallpaper/ToolRun.h"

namespace velmora::platform {

LxqtBackend::LxqtBackend(QString program)
    : m_program(std::move(program))
{}

WallpaperResult LxqtBackend::WriteTileWallpaper(const QString& value)
{
    m_tile = value;
    return WallpaperResult::success();
}

WallpaperResult LxqtBackend::SetWallpaper(const WallpaperPicture& picture)
{
    const QString mode = IsTiled(picture.tileWallpaper) ? QStringLiteral("tile") : QStringLiteral("center");
    const ToolRun run = ToolRun::run(m_program, {QStringLiteral("--set-wallpaper"), picture.file,
                                                 QStringLiteral("--wallpaper-mode"), mode});
    if (!run.ok)
        return WallpaperResult::failure(QStringLiteral("LXQt の壁紙を設定できません。\n%1").arg(run.error));
    return WallpaperResult::success();
}

} // namespace velmora::platform
