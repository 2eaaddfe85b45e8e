#pragma once
// The engine and the desktop behind the wallpaper change: loads the chosen file into the wallpaper
// image (the preview follows it) and installs the composed result through the session's backend.
#include "engine/ApplyWallpaper.h"
#include "mainwindow/change/ChangeSources.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <memory>

namespace velmora {

class WallpaperService final : public WallpaperInstaller {
public:
    WallpaperService(Settings& settings, QString programFolder,
                     std::unique_ptr<platform::WallpaperBackend> backend);

    EngineState& state() { return m_state; }
    platform::WallpaperBackend& backend() { return *m_backend; }

    void LoadWallpaperImage(const QString& path) override;
    void ApplyWallpaper(const QString& path) override;
    void ReadTileWallpaper();

private:
    EngineState m_state;
    std::unique_ptr<platform::WallpaperBackend> m_backend;
    ApplyContext m_context;
};

} // namespace velmora
