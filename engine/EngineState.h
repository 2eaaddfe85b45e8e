#pragma once
// The composition engine's state as the main window holds it: the loaded picture, what the preview
// shows, and the desktop's placement. Composition works on copies (see ComposeWallpaper).
#include "core/Settings.h"
#include "engine/RasterImage.h"

#include <QImage>
#include <QSizeF>
#include <QString>

namespace velmora {

struct EngineState {
    // What the preview shows: the loaded picture, or the composed wallpaper once it exists; large
    // pictures reduced to preview size. Its text settings are the calendar's.
    RasterImage leadWallPaper;
    // The full size of the picture leadWallPaper shows; the preview is placed by it.
    QSize shownSize;
    // The picture last loaded, full size. Every change composes from it; nothing modifies it.
    QImage source;
    // Inner size of the panel that hosts the preview; the main window keeps it current.
    QSizeF previewArea;
    // Size of the image last loaded, in pixels; the size change and the collage judge by it.
    Long LoadedImageWidth = 0;
    Long LoadedImageHeight = 0;
    // The desktop's placement: "1" tiled, "0" centred, empty when unknown.
    QString TileWallpaper;
};

} // namespace velmora
