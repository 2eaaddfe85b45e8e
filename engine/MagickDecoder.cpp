#include "engine/MagickDecoder.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/TiffHandlerGuard.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>

#include <magick/api.h>

namespace velmora {
namespace {

// Extensions of the kind table that Qt cannot read, with the GraphicsMagick coder for each.
// Formats that need an interpreter (PostScript for EPS) are left out on purpose: hostile input.
const QHash<QString, QString>& coderTable()
{
    static const QHash<QString, QString> table = {
        {"RLE", "RLE"}, {"PCX", "PCX"},  {"DCX", "DCX"}, {"WMF", "WMF"}, {"MAC", "MAC"},  {"WPG", "WPG"},
        {"RAS", "SUN"}, {"PCT", "PICT"}, {"PCD", "PCD"}, {"FAX", "FAX"}, {"CAL", "CALS"}, {"CUT", "CUT"},
        {"SCT", "SCT"}, {"SGI", "SGI"},  {"XWD", "XWD"}, {"PSD", "PSD"}, {"TGA", "TGA"},  {"IFF", "IFF"},
        {"FPX", "FPX"}, {"MSP", "MSP"},  {"FLC", "FLC"},
    };
    return table;
}

void initialiseOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const TiffHandlerGuard tiffHandlers(TiffHandlerGuard::User::GraphicsMagick);
        // The program keeps its own signal handling.
        ExceptionInfo exception;
        GetExceptionInfo(&exception);
        InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        DestroyExceptionInfo(&exception);
        SetMagickResourceLimit(WidthResource, MaxDecodedSide);
        SetMagickResourceLimit(HeightResource, MaxDecodedSide);
        SetMagickResourceLimit(PixelsResource, static_cast<magick_int64_t>(MaxDecodedPixels));
    });
}

bool canDecode(const QString& coder)
{
    initialiseOnce();
    const TiffHandlerGuard tiffHandlers(TiffHandlerGuard::User::GraphicsMagick);
    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    const MagickInfo* info = GetMagickInfo(coder.toLatin1().constData(), &exception);
    DestroyExceptionInfo(&exception);
    return info && info->decoder;
}

QString reason(const ExceptionInfo& exception)
{
    QString text = QString::fromLocal8Bit(exception.reason ? exception.reason : "");
    if (exception.description)
        text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(exception.description));
    return text;
}

struct ImageInfoDeleter {
    void operator()(ImageInfo* info) const { DestroyImageInfo(info); }
};
struct ImageDeleter {
    void operator()(Image* image) const { DestroyImageList(image); }
};

} // namespace

QString MagickFormatFor(const QString& extension)
{
    static const QHash<QString, QString> available = [] {
        QHash<QString, QString> result;
        for (auto it = coderTable().begin(); it != coderTable().end(); ++it)
            if (canDecode(it.value()))
                result.insert(it.key(), it.value());
        return result;
    }();
    return available.value(extension);
}

QStringList MagickExtensions()
{
    QStringList result;
    for (auto it = coderTable().begin(); it != coderTable().end(); ++it)
        if (!MagickFormatFor(it.key()).isEmpty())
            result << it.key();
    result.sort();
    return result;
}

QImage DecodeWithMagick(const QByteArray& bytes, const QString& format, const QString& path)
{
    initialiseOnce();
    const TiffHandlerGuard tiffHandlers(TiffHandlerGuard::User::GraphicsMagick);
    std::unique_ptr<ImageInfo, ImageInfoDeleter> info(CloneImageInfo(nullptr));
    const QByteArray coder = format.toLatin1();
    std::strncpy(info->magick, coder.constData(), MaxTextExtent - 1);
    // Only the first frame is wanted.
    info->subimage = 0;
    info->subrange = 1;

    ExceptionInfo exception;
    GetExceptionInfo(&exception);
    struct Release {
        ExceptionInfo* exception;
        ~Release() { DestroyExceptionInfo(exception); }
    } release{&exception};

    // The header first, so that a huge claim is refused before any pixel is allocated.
    {
        std::unique_ptr<Image, ImageDeleter> pinged(
            PingBlob(info.get(), bytes.constData(), bytes.size(), &exception));
        if (!pinged || exception.severity >= ErrorException)
            throw CorruptImage(path, reason(exception));
        CheckDecodedSize(QSize(static_cast<int>(std::min<unsigned long>(pinged->columns, 1ul << 30)),
                               static_cast<int>(std::min<unsigned long>(pinged->rows, 1ul << 30))),
                         path);
    }
    DestroyExceptionInfo(&exception);
    GetExceptionInfo(&exception);
    std::unique_ptr<Image, ImageDeleter> image(
        BlobToImage(info.get(), bytes.constData(), bytes.size(), &exception));
    if (!image || exception.severity >= ErrorException)
        throw CorruptImage(path, reason(exception));
    const int width = static_cast<int>(image->columns);
    const int height = static_cast<int>(image->rows);
    CheckDecodedSize(QSize(width, height), path);

    const bool transparent = image->matte != MagickFalse;
    QImage result(width, height, transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (result.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    for (int y = 0; y < height; ++y) {
        // "BGRA" as bytes is the memory layout of (A)RGB32 on little-endian hosts.
        if (DispatchImage(image.get(), 0, y, width, 1, "BGRA", CharPixel, result.scanLine(y), &exception) !=
            MagickPass)
            throw CorruptImage(path, reason(exception));
    }
    return result;
}

} // namespace velmora
