#pragma once
// Bringing a chosen file into the wallpaper image and laying it out as the preview.
#include "engine/EngineState.h"

#include <functional>
#include <optional>

namespace velmora {

// The preview's rectangle within a panel of size panel for an image of w x h pixels: fitted to the
// panel's width or height when the image is larger than the panel, else centred at its own size.
QRectF PlacePreview(double w, double h, QSizeF panel);

// The largest picture the preview keeps: bigger ones are reduced once, off the window thread,
// instead of at every paint.
inline constexpr int PreviewPictureSide = 1600;

// A picture as a change loads it: full size, and the same reduced for the preview.
struct LoadedPicture {
    QImage picture;
    QImage preview;
    QSize storedSize; // the picture's own size, also when it was read reduced
};

struct ReadOptions {
    bool preview = true; // without, the picture is not shown at all
    // For a change that composes once: the size the composition will reduce a picture of a stored
    // size to first (see ComposeReducedSize); the picture is then read at that size.
    std::function<QSize(QSize stored)> reduceTo;
};

// The preview's copy of a picture: the picture itself when it fits PreviewPictureSide.
QImage PreviewPicture(const QImage& picture);

// Reads an image file (kind 0 or GIF by its extension) for a change; nullopt for other kinds and
// when the file cannot be read. Such a failure goes to the uniform handler: Retry reads it again,
// Ignore and Abort leave the picture held before as it is. Safe on a worker thread.
std::optional<LoadedPicture> ReadWallpaperImage(const QString& path, const ReadOptions& options = {});

// Makes the picture the state's source, records its size and shows it as the preview.
void ShowLoadedPicture(EngineState& state, const LoadedPicture& loaded);

// Shows a composed wallpaper (with its preview copy) in place of the loaded picture.
void ShowComposedPicture(EngineState& state, const QImage& composed, const QImage& preview);

// Shows a reduced picture laid out as one of fullSize would be (the collage's canvas as it fills).
void ShowPreviewPicture(EngineState& state, const QImage& preview, QSize fullSize);

// ReadWallpaperImage, then ShowLoadedPicture, on the calling thread.
void LoadWallpaperImage(EngineState& state, const QString& path);

// Makes the image 24-bit true colour in memory (palette, grey and transparent pictures included).
void EnsureTrueColour(RasterImage& image);

} // namespace velmora
