#pragma once
// The desktop's tile-or-centre choice for its wallpaper: "1" tiled, "0" centred, empty when the
// desktop reports another placement or none. Each wallpaper backend provides one.
#include "platform/wallpaper/WallpaperResult.h"

#include <QString>

namespace velmora::platform {

class TileChoiceStore {
public:
    virtual ~TileChoiceStore() = default;
    // Empty when the desktop cannot be asked or reports another placement; never fails loudly,
    // because it is read once at start-up.
    virtual QString ReadTileWallpaper() = 0;
    // Stores the placement for the next picture. An empty value leaves the desktop's own placement.
    virtual WallpaperResult WriteTileWallpaper(const QString& value) = 0;
};

// Keeps the choice in memory only: for sessions without a known desktop, and for tests.
class MemoryTileChoiceStore : public TileChoiceStore {
public:
    explicit MemoryTileChoiceStore(QString initial = {})
        : m_value(std::move(initial))
    {}
    QString ReadTileWallpaper() override { return m_value; }
    WallpaperResult WriteTileWallpaper(const QString& value) override
    {
        m_value = value;
        return WallpaperResult::success();
    }

private:
    QString m_value;
};

// "1" is the only value that asks for tiling; "0" and empty both mean a single centred picture.
inline bool IsTiled(const QString& tileWallpaper)
{
    return tileWallpaper == QLatin1String("1");
}

} // namespace velmora::platform
