#pragma once
// The composition engine's state, held by the main window and handed to every engine step.
#include "core/Settings.h"
#include "engine/RasterImage.h"

#include <QSizeF>
#include <QString>

namespace velmora {

struct EngineState {
    RasterImage leadWallPaper; // the wallpaper image, also the on-screen preview
    RasterImage leadWork;      // the collage's piece image
    // Inner size of the panel that hosts the preview; the main window keeps it current.
    QSizeF previewArea;
    // Size of the image last loaded, in pixels; the size change and the collage judge by it.
    Long LoadedImageWidth = 0;
    Long LoadedImageHeight = 0;
    // The desktop's placement: "1" tiled, "0" centred, empty when unknown.
    QString TileWallpaper;
    // True while ApplyWallpaper composes; a second change must wait for it.
    bool applying = false;
};

} // namespace velmora
