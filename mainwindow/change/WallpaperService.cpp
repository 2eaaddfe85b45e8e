#include "mainwindow/change/WallpaperService.h"

#include "engine/WallpaperLoading.h"

namespace velmora {

WallpaperService::WallpaperService(Settings& settings, QString programFolder,
                                   std::unique_ptr<platform::WallpaperBackend> backend)
    : m_backend(std::move(backend))
    , m_context{m_state, settings, *m_backend, std::move(programFolder), {}}
{}

void WallpaperService::LoadWallpaperImage(const QString& path)
{
    // While a change is still composing, its image must not be replaced under it.
    if (m_state.applying)
        return;
    velmora::LoadWallpaperImage(m_state, path);
}

void WallpaperService::ApplyWallpaper(const QString& path)
{
    velmora::ApplyWallpaper(m_context, path);
}

void WallpaperService::ReadTileWallpaper()
{
    velmora::ReadTileWallpaper(m_state, *m_backend);
}

} // namespace velmora
