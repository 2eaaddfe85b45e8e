#include "engine/thumbnails/ThumbnailPicture.h"

#include "engine/ClipResampler.h"
#include "engine/DecodeFailure.h"
#include "engine/ExifOrientation.h"
#include "engine/HeifThumbnail.h"
#include "engine/ImageDecoder.h"
#include "engine/JpegDecoder.h"
#include "engine/WebpReduced.h"

#include <QBuffer>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <optional>

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

qint64 pixelBytes(QSize size)
{
    return qint64(std::max(size.width(), 0)) * std::max(size.height(), 0) * 4;
}

quint32 bigEndian32(const QByteArray& bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return quint32(uchar(bytes[at + i])); };
    return byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
}

// The size of a PNG that Qt's reader reduces row by row while it reads, never holding the whole
// picture: one not interlaced (those are read whole first) and opaque (the reduction averages
// colours without weighing them by their opacity, which would darken transparent edges).
std::optional<QSize> reducibleOpaquePng(const QByteArray& bytes)
{
    constexpr qsizetype HeaderEnd = 33; // signature, then the IHDR chunk
    if (bytes.size() < HeaderEnd || !bytes.startsWith("\x89PNG\r\n\x1a\n") ||
        QByteArrayView(bytes).sliced(12, 4) != "IHDR")
        return std::nullopt;
    const quint32 width = bigEndian32(bytes, 16);
    const quint32 height = bigEndian32(bytes, 20);
    const int colourType = uchar(bytes[25]);
    const bool interlaced = bytes[28] != 0;
    if (interlaced || (colourType != 0 && colourType != 2 && colourType != 3) || width == 0 || height == 0)
        return std::nullopt;
    // Transparency for grey, colour and palette pictures comes in a chunk before the first data.
    for (qsizetype at = 8; at + 8 <= bytes.size();) {
        const quint32 length = bigEndian32(bytes, at);
        const QByteArrayView type = QByteArrayView(bytes).sliced(at + 4, 4);
        if (type == "IDAT")
            return QSize(int(std::min<quint32>(width, 1u << 30)), int(std::min<quint32>(height, 1u << 30)));
        if (type == "tRNS" || length > quint32(bytes.size()))
            return std::nullopt;
        at += 12 + qsizetype(length);
    }
    return std::nullopt;
}

QImage readPngReduced(const QByteArray& bytes, QSize stored, QSize target, const QString& path)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    if (target != stored)
        reader.setScaledSize(target);
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw CorruptImage(path, reader.errorString());
    return image;
}

} // namespace

DecodeBudget& ThumbnailDecodeBudget()
{
    static DecodeBudget budget(ThumbnailDecodeBytes);
    return budget;
}

QImage FitThumbnail(const QImage& picture, int side)
{
    const QSize size = thumbnailSize(picture.size(), side);
    QImage fitted = size == picture.size()
                        ? picture
                        : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage::Format format =
        fitted.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return fitted.format() == format ? fitted : fitted.convertToFormat(format);
}

QImage DecodeThumbnailPicture(const QByteArray& bytes, const QString& extension, int side,
                              const QString& path, DecodeBudget* budget)
{
    DecodeBudget& memory = budget ? *budget : ThumbnailDecodeBudget();
    DecodeBudget::Share share;
    if (LooksLikeJpeg(bytes)) {
        const int orientation = ExifOrientation(bytes);
        const QImage stored = DecodeJpegScaled(
            bytes,
            [&](QSize size) {
                const unsigned denominator = ThumbnailJpegDenominator(size, side);
                const QSize scaled((size.width() + int(denominator) - 1) / int(denominator),
                                   (size.height() + int(denominator) - 1) / int(denominator));
                share = memory.take(pixelBytes(scaled));
                return denominator;
            },
            path);
        // Reduced before it is turned upright: the same result from fewer pixels.
        const bool turns = OrientationSwapsSides(orientation);
        const QSize upright = thumbnailSize(turns ? stored.size().transposed() : stored.size(), side);
        return FitThumbnail(
            Upright(reduceOpaque(stored, turns ? upright.transposed() : upright), orientation), side);
    }
    if (const std::optional<QSize> stored = reducibleOpaquePng(bytes)) {
        CheckDecodedSize(*stored, path);
        const QSize target = thumbnailSize(*stored, side);
        // The reduced picture, and the rows being read and summed.
        share = memory.take(pixelBytes(target) + qint64(stored->width()) * 16);
        return FitThumbnail(readPngReduced(bytes, *stored, target, path), side);
    }
    // Phones store a small picture beside a HEIF or AVIF photograph for this very use.
    if (const QString kind = extension.toUpper();
        kind == QLatin1String("HEIC") || kind == QLatin1String("HEIF") || kind == QLatin1String("AVIF")) {
        if (const std::optional<HeifContainer> container = HeifContainer::Open(bytes)) {
            CheckDecodedSize(container->size(), path);
            const QSize wanted = thumbnailSize(container->size(), side);
            if (const std::optional<QSize> carried = container->thumbnailCovering(wanted)) {
                share = memory.take(pixelBytes(*carried));
                try {
                    if (const QImage small = container->decodeThumbnail(wanted, path); !small.isNull())
                        return FitThumbnail(small, side);
                } catch (const Failure&) {
                    // A broken small picture; the photograph itself may still be whole.
                }
                share = DecodeBudget::Share();
            }
            share = memory.take(pixelBytes(container->size()));
            return FitThumbnail(DecodeImageData(bytes, extension, QSize(side, side), path), side);
        }
    }
    if (extension.compare(QLatin1String("WEBP"), Qt::CaseInsensitive) == 0) {
        const QSize stored = QtHeaderSize(bytes, extension);
        if (stored.isValid()) {
            CheckDecodedSize(stored, path);
            const QSize target = thumbnailSize(stored, side);
            share = memory.take(pixelBytes(target));
            if (const QImage reduced = DecodeWebpReduced(bytes, target, path); !reduced.isNull())
                return FitThumbnail(reduced, side);
            share = DecodeBudget::Share();
        }
    }
    // The other decoders read the whole picture; Qt's and GraphicsMagick's readers offer no cheaper
    // reduced read for these formats. A size the header does not tell costs the largest allowed.
    const QSize header = PictureHeaderSize(bytes, extension);
    if (header.isValid())
        CheckDecodedSize(header, path);
    share = memory.take(header.isValid() ? pixelBytes(header) : MaxDecodedPixels * 4);
    return FitThumbnail(DecodeImageData(bytes, extension, QSize(side, side), path), side);
}

} // namespace velmora
