#pragma once
// Bringing a chosen file into the wallpaper image and laying it out as the preview.
#include "engine/EngineState.h"

namespace velmora {

// The preview's rectangle within a panel of size panel for an image of w x h pixels: fitted to the
// panel's width or height when the image is larger than the panel, else centred at its own size.
QRectF PlacePreview(double w, double h, QSizeF panel);

// Loads an image file (kind 0 or GIF by its extension) into leadWallPaper, records its size and
// places the preview. Other kinds change nothing. A file that cannot be read is reported through the
// uniform handler: Retry reads it again, Ignore goes on with the image held before, Abort leaves.
void LoadWallpaperImage(EngineState& state, const QString& path);

// Makes the image 24-bit true colour in memory (palette, grey and transparent pictures included).
void EnsureTrueColour(RasterImage& image);

} // namespace velmora
