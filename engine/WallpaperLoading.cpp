#include "engine/WallpaperLoading.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/Steps.h"
#include "engine/ImageDecoder.h"

namespace velmora {
namespace {

void show(EngineState& state, const QImage& preview, QSize fullSize)
{
    RasterImage& image = state.leadWallPaper;
    state.shownSize = fullSize;
    image.assignPicture(preview);
    image.setPreviewGeometry(PlacePreview(fullSize.width(), fullSize.height(), state.previewArea));
    image.fitPreview();
    image.setPreviewVisible(true);
}

} // namespace

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

QImage PreviewPicture(const QImage& picture)
{
    const QSize box(PreviewPictureSide, PreviewPictureSide);
    if (picture.isNull() || (picture.width() <= box.width() && picture.height() <= box.height()))
        return picture;
    RasterImage reduced;
    reduced.assignPicture(picture);
    const QSize size = FittedSize(picture.size(), box);
    reduced.resizeImage(size.width(), size.height());
    return reduced.image();
}

std::optional<LoadedPicture> ReadWallpaperImage(const QString& path, const ReadOptions& options)
{
    const std::int16_t kind = FileKind(GetFileName(path));
    if (kind != Kind::Image && kind != Kind::Gif)
        return std::nullopt;
    LoadedPicture loaded;
    Steps steps;
    steps([&] {
        DecodedPicture decoded = DecodeImageReduced(path, options.reduceTo);
        loaded.picture = std::move(decoded.image);
        loaded.storedSize = decoded.storedSize;
    });
    if (steps.failed() && loaded.picture.isNull())
        return std::nullopt;
    // A picture too large to reduce is still shown, only more slowly.
    Steps quietly(ContinueSilently);
    if (!options.preview)
        return loaded;
    quietly([&] { loaded.preview = PreviewPicture(loaded.picture); });
    if (loaded.preview.isNull())
        loaded.preview = loaded.picture;
    return loaded;
}

void ShowLoadedPicture(EngineState& state, const LoadedPicture& loaded)
{
    state.source = loaded.picture;
    const QSize stored = loaded.storedSize.isEmpty() ? loaded.picture.size() : loaded.storedSize;
    state.LoadedImageHeight = stored.height();
    state.LoadedImageWidth = stored.width();
    show(state, loaded.preview, loaded.picture.size());
}

void ShowComposedPicture(EngineState& state, const QImage& composed, const QImage& preview)
{
    show(state, preview.isNull() ? composed : preview, composed.size());
}

void ShowPreviewPicture(EngineState& state, const QImage& preview, QSize fullSize)
{
    show(state, preview, fullSize);
}

void LoadWallpaperImage(EngineState& state, const QString& path)
{
    if (const std::optional<LoadedPicture> loaded = ReadWallpaperImage(path))
        ShowLoadedPicture(state, *loaded);
}

void EnsureTrueColour(RasterImage& image)
{
    if (image.imageBitsPerPixel() != 24 && !image.image().isNull())
        image.assignPicture(image.image().convertToFormat(QImage::Format_RGB32));
}

} // namespace velmora
