#include "engine/ComposeWallpaper.h"

#include "core/Steps.h"
#include "engine/Calendar.h"
#include "engine/Tiling.h"

namespace velmora {

ComposeResult ComposeWallpaper(ComposeRequest request)
{
    // A state of the composition's own: the source is shared until a step first writes to it,
    // and then copied, so the caller's picture stays as it was.
    EngineState state;
    state.leadWallPaper.assignPicture(request.source);
    const QSize source = request.source.size();
    request.source = QImage();
    state.leadWallPaper.textSettings() = request.calendarText;
    const QSize stored = request.storedSize.isEmpty() ? source : request.storedSize;
    state.LoadedImageWidth = stored.width();
    state.LoadedImageHeight = stored.height();
    state.TileWallpaper = request.tileWallpaper;
    Settings settings = request.settings;
    RandomSource& random = request.random ? *request.random : ProcessRandom();
    const QSize screen = request.screen.size;

    ComposeResult result;
    const auto canceled = [&] { return request.canceled && request.canceled(); };
    Steps steps;
    const auto step = [&](auto&& work) {
        if (!canceled())
            steps(work);
    };
    step([&] {
        if (settings.EffectMode == 1 && settings.CollageOnMode == 0) {
            const EffectSet set = SelectEffectSet(settings, random);
            if (settings.EffectType == 0)
                result.drawnEffects = set;
            ApplyEffectSet(state.leadWallPaper, set);
        }
    });
    step([&] {
        if (settings.AutoTileMode == 1) {
            AutoTile(state, settings, screen);
            result.tileDecided = true;
        }
    });
    step([&] {
        if (settings.SizeChangeMode == 1)
            AutoSizeChange(state, settings, screen);
    });
    step([&] {
        if (settings.CollageOnMode == 1 && request.composeCollage)
            request.composeCollage(state);
    });
    step([&] {
        if (settings.CalendarOnMode == 1)
            DrawCalendar(state, settings, request.today, request.screen);
    });
    result.tileWallpaper = state.TileWallpaper;
    result.left = steps.left() || canceled();
    if (!result.left)
        result.image = state.leadWallPaper.image();
    return result;
}

QSize ComposeReducedSize(const Settings& settings, QSize screen, QSize stored)
{
    const bool effectsFirst = settings.EffectMode == 1 && settings.CollageOnMode == 0;
    if (settings.SizeChangeMode != 1 || effectsFirst)
        return {};
    const QSize target = AutoSizeTarget(screen, stored.width(), stored.height(), settings.SizeChangeLimit);
    if (!target.isValid() || target.width() >= stored.width() || target.height() >= stored.height())
        return {};
    return target;
}

} // namespace velmora
