#include "engine/MonitorComposition.h"

#include "core/Failure.h"
#include "core/Steps.h"
#include "engine/Calendar.h"
#include "platform/wallpaper/ScreenPicture.h"

#include <QPainter>

#include <algorithm>

namespace velmora {
namespace {

using platform::Monitor;
using platform::MonitorMode;
using platform::MonitorPicture;

ComposeResult composeFor(const ComposeRequest& base, QImage source, QSize storedSize,
                         const Settings& settings, QSize size, const Monitor& monitor)
{
    ComposeRequest request = base;
    request.source = std::move(source);
    request.storedSize = storedSize;
    request.settings = settings;
    request.screen = platform::ScreenPixels{size, monitor.pixelsPerInch};
    return ComposeWallpaper(std::move(request));
}

// The monitors after the primary: no calendar, and the set the primary drew, not a draw of their own.
Settings secondarySettings(Settings settings, const ComposeResult& primary)
{
    settings.CalendarOnMode = 0;
    if (primary.drawnEffects) {
        const EffectSet& set = *primary.drawnEffects;
        settings.EffectType = 1;
        settings.EffectEmbossOn[1] = set.emboss;
        settings.EffectGrayscaleOn[1] = set.grayscale;
        settings.EffectHalftoneOn[1] = set.halftone;
        settings.EffectAverageOn[1] = set.average;
        settings.EffectContrastOn[1] = set.contrast;
        settings.EffectGammaOn[1] = set.gamma;
    }
    return settings;
}

// The calendar drawn on a copy of picture, as a step of its own; null when the user left.
QImage withCalendar(const QImage& picture, const ComposeRequest& request, const Monitor& monitor)
{
    EngineState state;
    state.leadWallPaper.assignPicture(picture);
    state.leadWallPaper.textSettings() = request.calendarText;
    Steps steps;
    steps([&] {
        DrawCalendar(state, request.settings, request.today,
                     platform::ScreenPixels{monitor.geometry.size(), monitor.pixelsPerInch});
    });
    return steps.left() ? QImage() : state.leadWallPaper.image();
}

MonitorComposition leave(ComposeResult result)
{
    MonitorComposition left;
    left.primary = std::move(result);
    left.primary.left = true;
    left.primary.image = QImage();
    return left;
}

MonitorComposition composeEach(ComposeRequest request, const platform::MonitorList& monitors,
                               MonitorMode mode, std::vector<MonitorSource> sources)
{
    const Settings settings = request.settings;
    const QImage source = std::exchange(request.source, QImage());
    const auto sourceFor = [&](size_t index) {
        if (mode == MonitorMode::Each && index < sources.size() && !sources[index].source.isNull())
            return sources[index];
        return MonitorSource{source, request.storedSize};
    };
    const Monitor& primary = platform::PrimaryMonitor(monitors);
    const size_t primaryIndex = static_cast<size_t>(&primary - monitors.data());
    const bool collage = settings.CollageOnMode == 1 && request.composeCollage;
    const bool calendar = settings.CalendarOnMode == 1;

    // The primary first: what it draws (an effect set, the collage) every monitor shows.
    Settings primarySettings = settings;
    if (collage)
        primarySettings.CalendarOnMode = 0;
    MonitorSource own = sourceFor(primaryIndex);
    MonitorComposition out;
    out.primary = composeFor(request, std::move(own.source), own.storedSize, primarySettings,
                             primary.geometry.size(), primary);
    if (out.primary.left)
        return leave(std::move(out.primary));
    const QImage plain = out.primary.image;
    if (collage && calendar) {
        out.primary.image = withCalendar(plain, request, primary);
        if (out.primary.image.isNull())
            return leave(std::move(out.primary));
    }

    const Settings others = secondarySettings(settings, out.primary);
    std::vector<MonitorPicture> sameSize; // Same: one composition per size
    for (size_t index = 0; index < monitors.size(); ++index) {
        const Monitor& monitor = monitors[index];
        MonitorPicture picture{monitor.name, monitor.geometry, {}, {}};
        const QSize size = monitor.geometry.size();
        const auto shared = std::find_if(sameSize.begin(), sameSize.end(), [&](const MonitorPicture& made) {
            return made.geometry.size() == size;
        });
        if (index == primaryIndex) {
            picture.image = out.primary.image;
            picture.tileWallpaper = out.primary.tileWallpaper;
        } else if (collage || (mode == MonitorMode::Same && size == primary.geometry.size() && !calendar)) {
            picture.image = plain;
            picture.tileWallpaper = out.primary.tileWallpaper;
        } else if (mode == MonitorMode::Same && shared != sameSize.end()) {
            picture.image = shared->image;
            picture.tileWallpaper = shared->tileWallpaper;
        } else {
            MonitorSource next = sourceFor(index);
            ComposeResult composed =
                composeFor(request, std::move(next.source), next.storedSize, others, size, monitor);
            if (composed.left)
                return leave(std::move(out.primary));
            picture.image = std::move(composed.image);
            picture.tileWallpaper = composed.tileWallpaper;
            if (mode == MonitorMode::Same)
                sameSize.push_back(picture);
        }
        out.monitors.push_back(std::move(picture));
    }
    return out;
}

MonitorComposition composeAcross(ComposeRequest request, const platform::MonitorList& monitors)
{
    const QRect bounds = platform::MonitorBounds(monitors);
    const Monitor& primary = platform::PrimaryMonitor(monitors);
    Settings settings = request.settings;
    settings.CalendarOnMode = 0;
    const QImage source = std::exchange(request.source, QImage());
    ComposeResult composed =
        composeFor(request, source, request.storedSize, settings, bounds.size(), primary);
    if (composed.left)
        return leave(std::move(composed));

    QImage canvas;
    Steps lay;
    lay([&] {
        canvas = platform::ComposeScreenImage(composed.image, bounds.size(),
                                              platform::IsTiled(composed.tileWallpaper));
        if (canvas.isNull())
            throw Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    });
    composed.image = QImage();
    if (lay.left() || canvas.isNull())
        return leave(std::move(composed));
    if (request.settings.CalendarOnMode == 1) {
        // In the primary monitor's corner: a corner of the bounding box may lie between monitors.
        const QRect part = primary.geometry.translated(-bounds.topLeft());
        const QImage drawn = withCalendar(canvas.copy(part), request, primary);
        if (drawn.isNull())
            return leave(std::move(composed));
        QPainter painter(&canvas);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(part.topLeft(), drawn);
    }

    MonitorComposition out;
    out.primary = std::move(composed);
    out.primary.image = std::move(canvas);
    const QImage& whole = out.primary.image;
    for (const Monitor& monitor : monitors) {
        const QRect part = monitor.geometry.translated(-bounds.topLeft());
        // A view, not a copy: two 4K monitors' parts would cost another 66 MB.
        const QImage view(whole.constScanLine(part.y()) + static_cast<qsizetype>(part.x()) * 4, part.width(),
                          part.height(), whole.bytesPerLine(), QImage::Format_RGB32);
        out.monitors.push_back(
            MonitorPicture{monitor.name, monitor.geometry, view, out.primary.tileWallpaper});
    }
    return out;
}

} // namespace

MonitorComposition ComposeForMonitors(ComposeRequest request, const platform::MonitorList& monitors,
                                      platform::MonitorMode mode, std::vector<MonitorSource> sources)
{
    if (mode == MonitorMode::Across)
        return composeAcross(std::move(request), monitors);
    return composeEach(std::move(request), monitors, mode, std::move(sources));
}

QSize MonitorsReducedSize(const Settings& settings, const platform::MonitorList& monitors,
                          platform::MonitorMode mode, QSize stored)
{
    if (mode == MonitorMode::Across)
        return ComposeReducedSize(settings, platform::MonitorBounds(monitors).size(), stored);
    QSize largest;
    for (const Monitor& monitor : monitors) {
        const QSize reduced = ComposeReducedSize(settings, monitor.geometry.size(), stored);
        if (!reduced.isValid())
            return {};
        if (reduced.width() > largest.width())
            largest = reduced;
    }
    return largest;
}

} // namespace velmora
