#include "engine/Tiling.h"

#include <cmath>
#include <limits>

namespace velmora {
namespace {

// Sizes are rounded to the nearest whole pixel, a half going to the even neighbour.
int nearest(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

double AreaRatio(QSize screen, Long imageWidth, Long imageHeight)
{
    const double imageArea = static_cast<double>(imageHeight) * static_cast<double>(imageWidth);
    if (imageArea <= 0)
        return std::numeric_limits<double>::infinity();
    return static_cast<double>(screen.height()) * static_cast<double>(screen.width()) / imageArea;
}

void AutoTile(EngineState& state, const Settings& settings, QSize screen)
{
    state.TileWallpaper =
        AreaRatio(screen, state.LoadedImageWidth, state.LoadedImageHeight) > settings.SizeChangeLimit
            ? QStringLiteral("1")
            : QStringLiteral("0");
}

QSize AutoSizeTarget(QSize screen, Long imageWidth, Long imageHeight, int limit)
{
    if (AreaRatio(screen, imageWidth, imageHeight) > limit || screen.isEmpty())
        return {};
    const float screenAspect = static_cast<float>(screen.width()) / static_cast<float>(screen.height());
    const float imageAspect = static_cast<float>(imageWidth) / static_cast<float>(imageHeight);
    if (imageAspect > screenAspect) // relatively wider: as wide as the screen
        return QSize(screen.width(), std::max(1, nearest(double(imageHeight) * screen.width() / imageWidth)));
    return QSize(std::max(1, nearest(double(imageWidth) * screen.height() / imageHeight)), screen.height());
}

void AutoSizeChange(EngineState& state, const Settings& settings, QSize screen)
{
    const QSize target =
        AutoSizeTarget(screen, state.LoadedImageWidth, state.LoadedImageHeight, settings.SizeChangeLimit);
    if (!target.isValid())
        return;
    state.leadWallPaper.resizeImage(target.width(), target.height());
    FitPreview(state);
}

void FitPreview(EngineState& state)
{
    state.leadWallPaper.fitPreview();
}

} // namespace velmora
