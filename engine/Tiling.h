#pragma once
// Adapting a single loaded image to the screen: tile or centre it, and scale it to fill the screen in
// one dimension. Both judge by the area ratio R = screen area / loaded image area against
// SizeChangeLimit N: R > N means the image is smaller than 1/N of the screen.
#include "engine/EngineState.h"
#include "platform/Screen.h"

#include <QSize>

namespace velmora {

// R for the screen and the loaded image (infinite for an empty image).
double AreaRatio(QSize screen, Long imageWidth, Long imageHeight);

// Tile ("1") when R > N, else centre ("0"); changes no pixels.
void AutoTile(EngineState& state, const Settings& settings, QSize screen = platform::PrimaryScreenPixels().size);

// The size AutoSizeChange gives the loaded image; invalid when R > N (the image stays as it is).
QSize AutoSizeTarget(QSize screen, Long imageWidth, Long imageHeight, int limit);

// Scales the wallpaper image to AutoSizeTarget, keeping its shape, then fits the preview.
void AutoSizeChange(EngineState& state, const Settings& settings, QSize screen = platform::PrimaryScreenPixels().size);

// The whole image painted into the whole preview, after a step changed its size.
void FitPreview(EngineState& state);

} // namespace velmora
