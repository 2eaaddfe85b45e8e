#pragma once
// The desktop's tile-or-centre choice for its wallpaper: "1" tiled, "0" centred, empty when the
// desktop reports another placement or none. Each wallpaper backend provides one.
#include <QString>

namespace velmora::platform {

class TileChoiceStore {
public:
    virtual ~TileChoiceStore() = default;
    virtual QString ReadTileWallpaper() = 0;
    // True when the desktop accepted the value.
    virtual bool WriteTileWallpaper(const QString& value) = 0;
};

// Keeps the choice in memory only: for sessions without a known desktop, and for tests.
class MemoryTileChoiceStore final : public TileChoiceStore {
public:
    explicit MemoryTileChoiceStore(QString initial = {})
        : m_value(std::move(initial))
    {}
    QString ReadTileWallpaper() override { return m_value; }
    bool WriteTileWallpaper(const QString& value) override
    {
        m_value = value;
        return true;
    }

private:
    QString m_value;
};

} // namespace velmora::platform
