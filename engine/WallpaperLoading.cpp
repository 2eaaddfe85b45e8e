#include "engine/WallpaperLoading.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"

namespace velmora {

QRectF PlacePreview(double w, double h, QSizeF panel)
{
    const double pw = panel.width();
    const double ph = panel.height();
    if (w <= 0 || h <= 0)
        return QRectF(pw / 2, ph / 2, 0, 0);
    if (h > ph || w > pw) {
        if (pw * h / w < ph) { // fit to width
            const double height = static_cast<float>(pw * h / w);
            return QRectF(0, (ph - height) / 2, pw, height);
        }
        const double width = static_cast<float>(ph * w / h); // fit to height
        return QRectF((pw - width) / 2, 0, width, ph);
    }
    return QRectF((pw - w) / 2, (ph - h) / 2, w, h);
}

void LoadWallpaperImage(EngineState& state, const QString& path)
{
    const std::int16_t kind = FileKind(GetFileName(path));
    if (kind != Kind::Image && kind != Kind::Gif)
        return;
    RasterImage& image = state.leadWallPaper;
    Steps steps;
    // A failed load keeps the previous picture, so the preview need not be hidden meanwhile.
    steps([&] { image.loadImageFile(path); });
    if (steps.left())
        return;
    steps([&] {
        state.LoadedImageHeight = image.imageHeight();
        state.LoadedImageWidth = image.imageWidth();
        image.setPreviewGeometry(
            PlacePreview(state.LoadedImageWidth, state.LoadedImageHeight, state.previewArea));
        image.fitPreview();
        image.setPreviewVisible(true);
    });
}

void EnsureTrueColour(RasterImage& image)
{
    if (image.imageBitsPerPixel() != 24 && !image.image().isNull())
        image.assignPicture(image.image().convertToFormat(QImage::Format_RGB32));
}

} // namespace velmora
