#include "engine/thumbnails/ThumbnailPicture.h"

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

QImage FitThumbnail(const QImage& picture, int side)
{
    // Rounded rather than cut, so that a picture fitted twice (file, entry, grid) keeps its shape.
    QSize size = picture.size();
    if (size.width() > side || size.height() > side) {
        const double scale = std::min(double(side) / size.width(), double(side) / size.height());
        size = QSize(std::max(1, int(std::lround(size.width() * scale))),
                     std::max(1, int(std::lround(size.height() * scale))));
    }
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
        return FitThumbnail(Upright(stored, orientation), side);
    }
    // The other decoders read the whole picture; Qt's and GraphicsMagick's readers offer no cheaper
    // reduced read for these formats.
    return FitThumbnail(DecodeImageData(bytes, extension, QSize(side, side), path), side);
}

} // namespace velmora
