#pragma once
// Chooses the wallpaper backend for the running session, once at start.
#include "platform/wallpaper/DesktopSession.h"
#include "platform/wallpaper/WallpaperBackend.h"

#include <memory>

namespace velmora::platform {

// The backend for this session's desktop (see DetectDesktop); the null backend when none is known.
std::unique_ptr<WallpaperBackend> LoadWallpaperBackend();
std::unique_ptr<WallpaperBackend> LoadWallpaperBackend(const DesktopSession& session);

// The backend of one kind with its default tools and connections.
std::unique_ptr<WallpaperBackend> CreateWallpaperBackend(DesktopKind kind, const QString& desktopName = {});

} // namespace velmora::platform
