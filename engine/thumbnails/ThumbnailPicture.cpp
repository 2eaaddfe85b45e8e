#include "engine/thumbnails/ThumbnailPicture.h"

#include "engine/ClipResampler.h"
#include "engine/ExifOrientation.h"
#include "engine/ImageDecoder.h"
#include "engine/JpegDecoder.h"

#include <algorithm>
#include <cmath>

namespace velmora {

unsigned ThumbnailJpegDenominator(QSize stored, int side)
{
    const QSize wanted = FittedSize(stored, QSize(side, side));
    const auto covers = [&](unsigned denominator) {
        return (unsigned(stored.width()) + denominator - 1) / denominator >= unsigned(wanted.width()) &&
               (unsigned(stored.height()) + denominator - 1) / denominator >= unsigned(wanted.height());
    };
    unsigned denominator = 8;
    while (denominator > 1 && !covers(denominator))
        denominator /= 2;
    return denominator;
}

namespace {

// Rounded rather than cut, so that a picture fitted twice (file, entry, grid) keeps its shape.
QSize thumbnailSize(QSize size, int side)
{
    if (size.width() <= side && size.height() <= side)
        return size;
    const double scale = std::min(double(side) / size.width(), double(side) / size.height());
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
                 std::max(1, int(std::lround(size.height() * scale))));
}

// An opaque picture reduced with the engine's resampler, several times quicker than Qt's smooth
// scaling on the picture a reduced JPEG decode gives.
QImage reduceOpaque(const QImage& picture, QSize size)
{
    if (picture.format() != QImage::Format_RGB32 || size == picture.size())
        return picture;
    const QImage reduced = ResampleImage(picture, size);
    return reduced.isNull() ? picture : reduced;
}

} // namespace

QImage FitThumbnail(const QImage& picture, int side)
{
    const QSize size = thumbnailSize(picture.size(), side);
    QImage fitted =
        size == picture.size() ? picture : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage::Format format =
        fitted.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return fitted.format() == format ? fitted : fitted.convertToFormat(format);
}

QImage DecodeThumbnailPicture(const QByteArray& bytes, const QString& extension, int side, const QString& path)
{
    if (LooksLikeJpeg(bytes)) {
        const int orientation = ExifOrientation(bytes);
        const QImage stored = DecodeJpegScaled(
            bytes, [side](QSize size) { return ThumbnailJpegDenominator(size, side); }, path);
        // Reduced before it is turned upright: the same result from fewer pixels.
        const bool turns = OrientationSwapsSides(orientation);
        const QSize upright = thumbnailSize(turns ? stored.size().transposed() : stored.size(), side);
        return FitThumbnail(
            Upright(reduceOpaque(stored, turns ? upright.transposed() : upright), orientation), side);
    }
    // The other decoders read the whole picture; Qt's and GraphicsMagick's readers offer no cheaper
    // reduced read for these formats.
    return FitThumbnail(DecodeImageData(bytes, extension, QSize(side, side), path), side);
}

} // namespace velmora
