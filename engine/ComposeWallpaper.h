#pragma once
// The composition as one plain function: a loaded picture and a snapshot of what it needs in, the
// composed wallpaper out. Safe on a worker thread; the source picture is never modified, so
// composing the same picture twice gives the same wallpaper twice.
#include "core/RandomSource.h"
#include "core/Settings.h"
#include "engine/Effects.h"
#include "engine/EngineState.h"
#include "engine/TextSettings.h"
#include "platform/Screen.h"

#include <QDate>
#include <QImage>

#include <functional>
#include <optional>

namespace velmora {

struct ComposeRequest {
    QImage source;                 // the loaded picture
    // Its size as stored, when source was decoded already reduced (see ComposeReducedSize); the
    // tiling and size decisions go by it. Empty: source's own size.
    QSize storedSize;
    Settings settings;             // a snapshot, taken when the change started
    platform::ScreenPixels screen; // the primary screen in device pixels
    QDate today;                   // the calendar's month
    TextSettings calendarText;     // the calendar's font, colours and style
    QString tileWallpaper;         // the desktop's placement before this change
    RandomSource* random = nullptr; // effect draws; the program's generator when null
    // The collage step; none until the collage exists. It replaces the image by a screen-sized
    // canvas on the state it is given.
    std::function<void(EngineState&)> composeCollage;
    // Asked between steps: a cancelled composition leaves like Abort.
    std::function<bool()> canceled;
};

struct ComposeResult {
    QImage image;          // the composed wallpaper; null when the user left before the end
    QString tileWallpaper; // the placement that goes with it
    // The automatic tiling chose the placement.
    bool tileDecided = false;
    // The set drawn when EffectType asks for a random one (kept in slot 0 of the effect flags).
    std::optional<EffectSet> drawnEffects;
    bool left = false; // Abort (or a cancel) ended the composition: nothing is to be installed
};

// Effects (not with the collage), automatic tiling, size change, the collage, the calendar: each
// enabled one as a step under the uniform handler (Retry runs the step again, Ignore goes on,
// Abort leaves), asked through the calling thread's prompter.
// A request moved in lets its picture go: the first step that writes then needs no copy of it.
ComposeResult ComposeWallpaper(ComposeRequest request);

// The size a picture stored at `stored` is reduced to before the composition first looks at its
// pixels: the size change's target when the size change is on, the picture shrinks and no effect is
// drawn on it first. Invalid when the composition needs the picture whole. A caller that composes
// once may decode the picture straight to this size and pass `stored` along.
QSize ComposeReducedSize(const Settings& settings, QSize screen, QSize stored);

} // namespace velmora
