#include "engine/ImageDecoder.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "core/TextLines.h"
#include "engine/AvifDecoder.h"
#include "engine/DecodeFailure.h"
#include "engine/ExifOrientation.h"
#include "engine/HeifThumbnail.h"
#include "engine/JpegDecoder.h"
#include "engine/JpegReader.h"
#include "engine/JxlDecoder.h"
#include "engine/MagickDecoder.h"
#include "engine/TiffHandlerGuard.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QImageReader>

#include <algorithm>
#include <mutex>
#include <optional>

namespace velmora {
namespace {

QImage fitted(QImage image, QSize fitWithin)
{
    if (!fitWithin.isValid() || fitWithin.isEmpty())
        return image;
    const QSize target = FittedSize(image.size(), fitWithin);
    if (target == image.size())
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// The Qt formats an (upper-case) picture extension names. Only raster formats are listed, so that
// another image plug-in on the system (KDE's EPS reader starts Ghostscript) gets no name of the
// kind table.
QList<QByteArray> namedQtFormats(const QString& extension)
{
    static const QHash<QString, QList<QByteArray>> named = {
        {QStringLiteral("JPG"), {"jpeg"}},  {QStringLiteral("JPE"), {"jpeg"}},
        {QStringLiteral("JPEG"), {"jpeg"}}, {QStringLiteral("PNG"), {"png"}},
        {QStringLiteral("GIF"), {"gif"}},   {QStringLiteral("BMP"), {"bmp"}},
        {QStringLiteral("TIF"), {"tiff"}},  {QStringLiteral("TIFF"), {"tiff"}},
        {QStringLiteral("TGA"), {"tga"}},   {QStringLiteral("PBM"), {"pbm", "pgm", "ppm"}},
        {QStringLiteral("WBMP"), {"wbmp"}}, {QStringLiteral("XPM"), {"xpm"}},
        {QStringLiteral("XBM"), {"xbm"}},   {QStringLiteral("WEBP"), {"webp"}},
    };
    return named.value(extension);
}

// The Qt formats a picture named with this (upper-case) extension may be read as: its own format,
// then the plain raster formats Qt reads itself. Those carry a signature and are often misnamed (a
// PNG saved as .jpg), so any name may hold them; every other format (SVG, TIFF, WebP...) is read
// only from a file named for it, since Qt's readers would otherwise claim files by their content.
// JPEG is recognised by its signature before this (LooksLikeJpeg), by the same rule.
QList<QByteArray> qtFormatsFor(const QString& extension)
{
    QList<QByteArray> formats = namedQtFormats(extension);
    for (const QByteArray& plain : {QByteArray("png"), QByteArray("gif"), QByteArray("bmp")})
        if (!formats.contains(plain))
            formats << plain;
    return formats;
}

// Qt's reader for the bytes among the formats the name allows, the named format first; null when
// none of them accepts the bytes. Each reader is asked only for its own format, never to detect one.
std::unique_ptr<QImageReader> qtReader(QBuffer& buffer, const QString& extension)
{
    for (const QByteArray& format : qtFormatsFor(extension.toUpper())) {
        buffer.seek(0);
        auto reader = std::make_unique<QImageReader>(&buffer, format);
        reader->setAutoDetectImageFormat(false);
        if (reader->canRead())
            return reader;
    }
    return nullptr;
}

QImage decodeWithQt(QImageReader& reader, const QString& path)
{
    std::optional<TiffHandlerGuard> tiffHandlers;
    if (TiffHandlerGuard::IsTiffFormat(reader.format()))
        tiffHandlers.emplace(TiffHandlerGuard::User::QtTiffReader);
    const QSize size = reader.size();
    if (size.isValid())
        CheckDecodedSize(size, path);
    static std::once_flag once;
    std::call_once(once, [] {
        // Also for formats whose header says nothing about the size before decoding.
        QImageReader::setAllocationLimit(static_cast<int>(MaxDecodedPixels * 4 / (1024 * 1024)) + 1);
    });
    QImage image;
    if (!reader.read(&image) || image.isNull())
        throw CorruptImage(path, reader.errorString());
    CheckDecodedSize(image.size(), path);
    return image;
}

// The formats without a Qt reader: AVIF, HEIF and JPEG XL through their own libraries where they are
// installed (faster than GraphicsMagick's way to the same decoders), the rest through GraphicsMagick.
QImage decodeWithLibrary(const QByteArray& bytes, const QString& coder, const QString& path)
{
    if (coder == QLatin1String("AVIF") && AvifLibraryLoaded())
        return DecodeAvif(bytes, path);
    if (coder == QLatin1String("JXL") && JxlLibraryLoaded())
        return DecodeJxl(bytes, path);
    if ((coder == QLatin1String("HEIC") || coder == QLatin1String("HEIF")) &&
        HeifContainer::LibraryLoaded()) {
        QString error;
        const std::optional<HeifContainer> container = HeifContainer::Open(bytes, &error);
        if (!container)
            throw CorruptImage(path, error);
        return container->decodePrimary(path);
    }
    return DecodeWithMagick(bytes, coder, path);
}

} // namespace

QSize FittedSize(QSize picture, QSize fitWithin)
{
    if (!fitWithin.isValid() || fitWithin.isEmpty() || picture.isEmpty())
        return picture;
    if (picture.width() <= fitWithin.width() && picture.height() <= fitWithin.height())
        return picture;
    return picture.scaled(fitWithin, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

void CheckDecodedSize(QSize size, const QString& path)
{
    const qint64 width = size.width();
    const qint64 height = size.height();
    if (width > MaxDecodedSide || height > MaxDecodedSide || width * height > MaxDecodedPixels)
        throw ImageTooLarge(path, width, height);
}

QImage DecodeImageData(const QByteArray& bytes, const QString& extension, QSize fitWithin,
                       const QString& path)
{
    if (bytes.isEmpty())
        throw Failure(ErrorCode::InvalidPicture,
                      QCoreApplication::translate("ImageDecoder", "画像ファイルが空です (0 バイト)。") +
                          (path.isEmpty() ? QString() : QStringLiteral("\n") + path));
    if (LooksLikeJpeg(bytes)) {
        // Cameras store portraits sideways with an orientation tag; the wallpaper shows them upright.
        const int orientation = ExifOrientation(bytes);
        const QSize box = OrientationSwapsSides(orientation) ? fitWithin.transposed() : fitWithin;
        return fitted(Upright(DecodeJpeg(bytes, box, path), orientation), fitWithin);
    }
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const QString coder = MagickFormatFor(extension.toUpper());
    if (auto reader = qtReader(buffer, extension)) {
        try {
            return fitted(decodeWithQt(*reader, path), fitWithin);
        } catch (const Failure& failure) {
            // Qt's readers cover only part of some formats (TGA); GraphicsMagick may know the rest.
            if (coder.isEmpty() || failure.code() != ErrorCode::InvalidPicture)
                throw;
            try {
                return fitted(decodeWithLibrary(bytes, coder, path), fitWithin);
            } catch (const Failure&) {
                throw failure;
            }
        }
    }
    if (!coder.isEmpty())
        return fitted(decodeWithLibrary(bytes, coder, path), fitWithin);
    throw UnknownImageFormat(path);
}

QSize QtHeaderSize(const QByteArray& bytes, const QString& extension)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    const std::unique_ptr<QImageReader> reader = qtReader(buffer, extension);
    if (!reader)
        return {};
    std::optional<TiffHandlerGuard> tiffHandlers;
    if (TiffHandlerGuard::IsTiffFormat(reader->format()))
        tiffHandlers.emplace(TiffHandlerGuard::User::QtTiffReader);
    return reader->size();
}

QSize PictureHeaderSize(const QByteArray& bytes, const QString& extension)
{
    const QString kind = extension.toUpper();
    if (kind == QLatin1String("AVIF") && AvifLibraryLoaded())
        return AvifHeaderSize(bytes, {}).value_or(QSize());
    if (kind == QLatin1String("HEIC") || kind == QLatin1String("HEIF")) {
        const std::optional<HeifContainer> container = HeifContainer::Open(bytes);
        return container ? container->size() : QSize();
    }
    if (kind == QLatin1String("JXL"))
        return JxlHeaderSize(bytes).value_or(QSize());
    return QtHeaderSize(bytes, extension);
}

QByteArray ReadPictureFile(const QString& path)
{
    thread_local QByteArray buffer;
    // Kept for ordinary photographs; a huge file's memory goes back after the next read.
    constexpr qsizetype KeptBytes = 32 << 20;
    if (buffer.capacity() > KeptBytes)
        buffer = QByteArray();
    ReadWholeFile(path, buffer, MaxImageFileBytes);
    return buffer;
}

QImage DecodeImage(const QString& path, QSize fitWithin)
{
    return DecodeImageData(ReadWholeFile(path, MaxImageFileBytes), GetExtension(GetFileName(path)), fitWithin,
                           path);
}

DecodedPicture DecodeImageReduced(const QString& path, const std::function<QSize(QSize stored)>& reduceTo)
{
    const QByteArray bytes = ReadWholeFile(path, MaxImageFileBytes);
    if (reduceTo && LooksLikeJpeg(bytes)) {
        const int orientation = ExifOrientation(bytes);
        const bool swaps = OrientationSwapsSides(orientation);
        const QSize header = JpegReader(bytes, path).size();
        const QSize stored = swaps ? header.transposed() : header;
        if (const QSize target = reduceTo(stored); target.isValid()) {
            const QImage reduced = DecodeJpegResampled(bytes, swaps ? target.transposed() : target, path);
            return {Upright(reduced, orientation), stored};
        }
    }
    DecodedPicture decoded;
    decoded.image = DecodeImageData(bytes, GetExtension(GetFileName(path)), {}, path);
    decoded.storedSize = decoded.image.size();
    return decoded;
}

QStringList QtReadableExtensions()
{
    const QList<QByteArray> formats = QImageReader::supportedImageFormats();
    QStringList result;
    for (int i = 0; i <= FileKindTable.lastIndex; ++i) {
        const FileKindRow& row = FileKindTable.rows[i];
        if (row.code != Kind::Image && row.code != Kind::Gif)
            continue;
        const QList<QByteArray> named = namedQtFormats(row.extension);
        if (std::any_of(named.begin(), named.end(), [&](const QByteArray& format) {
                return format == "jpeg" || formats.contains(format);
            }))
            result << row.extension;
    }
    return result;
}

QStringList MagickReadableExtensions()
{
    const QStringList qt = QtReadableExtensions();
    QStringList result;
    for (const QString& extension : MagickExtensions())
        if (!qt.contains(extension))
            result << extension;
    return result;
}

} // namespace velmora
