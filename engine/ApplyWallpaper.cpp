#include "engine/ApplyWallpaper.h"

#include "core/Prompt.h"
#include "core/Steps.h"
#include "engine/Calendar.h"
#include "engine/Effects.h"
#include "engine/Tiling.h"
#include "platform/wallpaper/WallpaperBackend.h"

namespace velmora {
namespace {

void check(const platform::WallpaperResult& result)
{
    if (!result)
        throw Failure(ErrorCode::InvalidCall, result.error);
}

} // namespace

void ReadTileWallpaper(EngineState& state, platform::WallpaperBackend& backend)
{
    state.TileWallpaper = backend.ReadTileWallpaper();
}

bool ApplyWallpaper(ApplyContext& context, const QString&)
{
    EngineState& state = context.state;
    const Settings& settings = context.settings;
    // Nothing was ever loaded (the first pick failed to load): there is nothing to install.
    if (state.applying || state.leadWallPaper.image().isNull())
        return false;
    state.applying = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{state.applying};

    const QString target = context.programFolder + QString::fromUtf16(WallpaperFileName);
    Steps steps;
    steps([&] {
        if (settings.EffectMode == 1 && settings.CollageOnMode == 0)
            ApplyEffects(state, context.settings);
    })([&] {
        if (settings.AutoTileMode == 1)
            AutoTile(state, settings);
    })([&] {
        if (settings.SizeChangeMode == 1)
            AutoSizeChange(state, settings);
    })([&] {
        if (settings.CollageOnMode == 1 && context.composeCollage)
            context.composeCollage();
    })([&] {
        if (settings.CalendarOnMode == 1)
            DrawCalendar(state, settings);
    })([&] { state.leadWallPaper.saveImageFile(target); })([&] {
        // The placement goes first, so that the desktop shows the new picture in the right one.
        check(context.backend.WriteTileWallpaper(state.TileWallpaper));
    })([&] { check(context.backend.SetWallpaper(target, state.TileWallpaper)); });

    // A session without a known desktop only keeps the file; the user hears of it once.
    if (const QString notice = context.backend.TakeNotice(); !notice.isEmpty())
        ShowInformation(notice);
    return !steps.left();
}

} // namespace velmora
