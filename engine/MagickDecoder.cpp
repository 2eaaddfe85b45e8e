#include "engine/MagickDecoder.h"

#include "engine/DecodeFailure.h"
#include "engine/ExifOrientation.h"
#include "engine/ImageDecoder.h"
#include "engine/MagickPolicy.h"
#include "engine/TiffHandlerGuard.h"

#include <QHash>
#include <QLibrary>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>

#include <magick/api.h>

namespace velmora {
namespace {

// Extensions of the kind table that Qt cannot read, with the GraphicsMagick coder for each.
// Formats that need an interpreter (PostScript for EPS) are left out on purpose: hostile input.
// HEIC, HEIF and AVIF go through libheif, JXL through libjxl; WebP goes to Qt first, which also
// takes the first frame of an animated file.
const QHash<QString, QString>& coderTable()
{
    static const QHash<QString, QString> table = {
        {"RLE", "RLE"},   {"PCX", "PCX"},   {"DCX", "DCX"},   {"WMF", "WMF"},   {"MAC", "MAC"},
        {"WPG", "WPG"},   {"RAS", "SUN"},   {"PCT", "PICT"},  {"PCD", "PCD"},   {"FAX", "FAX"},
        {"CAL", "CALS"},  {"CUT", "CUT"},   {"SCT", "SCT"},   {"SGI", "SGI"},   {"XWD", "XWD"},
        {"PSD", "PSD"},   {"TGA", "TGA"},   {"IFF", "IFF"},   {"FPX", "FPX"},   {"MSP", "MSP"},
        {"FLC", "FLC"},   {"HEIC", "HEIC"}, {"HEIF", "HEIF"}, {"AVIF", "AVIF"}, {"JXL", "JXL"},
        {"WEBP", "WEBP"},
    };
    return table;
}

// GraphicsMagick and the thirty-odd libraries behind it (HEIF, JPEG XL, AV1 and more) cost every
// start several milliseconds, most of a one-shot change from a script: they are loaded the first
// time a picture needs them. Without the library these formats are simply not offered.
struct MagickLibrary {
    decltype(&::InitializeMagickEx) InitializeMagickEx = nullptr;
    decltype(&::GetExceptionInfo) GetExceptionInfo = nullptr;
    decltype(&::DestroyExceptionInfo) DestroyExceptionInfo = nullptr;
    decltype(&::SetMagickResourceLimit) SetMagickResourceLimit = nullptr;
    decltype(&::GetMagickInfo) GetMagickInfo = nullptr;
    decltype(&::CloneImageInfo) CloneImageInfo = nullptr;
    decltype(&::DestroyImageInfo) DestroyImageInfo = nullptr;
    decltype(&::DestroyImageList) DestroyImageList = nullptr;
    decltype(&::PingBlob) PingBlob = nullptr;
    decltype(&::BlobToImage) BlobToImage = nullptr;
    decltype(&::DispatchImage) DispatchImage = nullptr;
    decltype(&::MagickSetConfirmAccessHandler) MagickSetConfirmAccessHandler = nullptr;
    decltype(&::UnregisterMagickInfo) UnregisterMagickInfo = nullptr;
    bool loaded = false;
};

MagickLibrary loadLibrary()
{
    MagickLibrary gm;
    QLibrary library(QStringLiteral(VELMORA_MAGICK_LIBRARY));
    if (!library.load())
        return gm;
    bool complete = true;
    const auto bind = [&](auto& function, const char* name) {
        function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(library.resolve(name));
        complete = complete && function;
    };
    bind(gm.InitializeMagickEx, "InitializeMagickEx");
    bind(gm.GetExceptionInfo, "GetExceptionInfo");
    bind(gm.DestroyExceptionInfo, "DestroyExceptionInfo");
    bind(gm.SetMagickResourceLimit, "SetMagickResourceLimit");
    bind(gm.GetMagickInfo, "GetMagickInfo");
    bind(gm.CloneImageInfo, "CloneImageInfo");
    bind(gm.DestroyImageInfo, "DestroyImageInfo");
    bind(gm.DestroyImageList, "DestroyImageList");
    bind(gm.PingBlob, "PingBlob");
    bind(gm.BlobToImage, "BlobToImage");
    bind(gm.DispatchImage, "DispatchImage");
    // Without these the library cannot be kept from running programs: its formats are then not offered.
    bind(gm.MagickSetConfirmAccessHandler, "MagickSetConfirmAccessHandler");
    bind(gm.UnregisterMagickInfo, "UnregisterMagickInfo");
    gm.loaded = complete;
    return gm;
}

// The library, loaded and initialised once; check `loaded` before any call.
const MagickLibrary& Magick()
{
    static const MagickLibrary gm = [] {
        MagickLibrary library = loadLibrary();
        if (!library.loaded)
            return library;
        const TiffHandlerGuard tiffHandlers(TiffHandlerGuard::User::GraphicsMagick);
        // The program keeps its own signal handling.
        ExceptionInfo exception;
        library.GetExceptionInfo(&exception);
        library.InitializeMagickEx(nullptr, MAGICK_OPT_NO_SIGNAL_HANDER, &exception);
        library.DestroyExceptionInfo(&exception);
        library.MagickSetConfirmAccessHandler(ConfirmMagickAccess);
        // Coders register on first look-up; "*" registers them all, so that the unwanted ones can go
        // for good. Should one stay, GraphicsMagick is not used at all.
        library.GetExceptionInfo(&exception);
        library.GetMagickInfo("*", &exception);
        for (const char* coder : UnwantedMagickCoders) {
            library.UnregisterMagickInfo(coder);
            if (library.GetMagickInfo(coder, &exception))
                library.loaded = false;
        }
        library.DestroyExceptionInfo(&exception);
        library.SetMagickResourceLimit(WidthResource, MaxDecodedSide);
        library.SetMagickResourceLimit(HeightResource, MaxDecodedSide);
        library.SetMagickResourceLimit(PixelsResource, static_cast<magick_int64_t>(MaxDecodedPixels));
        return library;
    }();
    return gm;
}

bool canDecode(const QString& coder)
{
    const MagickLibrary& gm = Magick();
    if (!gm.loaded)
        return false;
    const TiffHandlerGuard tiffHandlers(TiffHandlerGuard::User::GraphicsMagick);
    ExceptionInfo exception;
    gm.GetExceptionInfo(&exception);
    const MagickInfo* info = gm.GetMagickInfo(coder.toLatin1().constData(), &exception);
    gm.DestroyExceptionInfo(&exception);
    return info && info->decoder;
}

// The coder that read the picture is the one asked for (a nested read may have taken over).
void checkCoder(const Image& image, const QByteArray& coder, const QString& path)
{
    if (qstricmp(image.magick, coder.constData()) != 0)
        throw WrongImageFormat(path, QString::fromLatin1(coder));
}

QString reason(const ExceptionInfo& exception)
{
    QString text = QString::fromLocal8Bit(exception.reason ? exception.reason : "");
    if (exception.description)
        text += QStringLiteral(" (%1)").arg(QString::fromLocal8Bit(exception.description));
    return text;
}

struct ImageInfoDeleter {
    void operator()(ImageInfo* info) const { Magick().DestroyImageInfo(info); }
};
struct ImageDeleter {
    void operator()(Image* image) const { Magick().DestroyImageList(image); }
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
    const MagickLibrary& gm = Magick();
    // Only formats MagickFormatFor named come here, and it names none without the library.
    if (!gm.loaded)
        throw CorruptImage(path, QStringLiteral("GraphicsMagick"));
    const QByteArray coder = format.toLatin1();
    std::optional<TiffHandlerGuard> tiffHandlers;
    if (MagickCoderMayReachLibtiff(coder))
        tiffHandlers.emplace(TiffHandlerGuard::User::GraphicsMagick);
    std::unique_ptr<ImageInfo, ImageInfoDeleter> info(gm.CloneImageInfo(nullptr));
    // "PCX:" as the file name forces the coder; with the name empty, GraphicsMagick would choose one
    // from the content again, whatever `magick` says (PostScript named .pcx would go to Ghostscript).
    std::snprintf(info->filename, MaxTextExtent, "%s:", coder.constData());
    std::strncpy(info->magick, coder.constData(), MaxTextExtent - 1);
    // Only the first frame is wanted.
    info->subimage = 0;
    info->subrange = 1;

    ExceptionInfo exception;
    gm.GetExceptionInfo(&exception);
    struct Release {
        ExceptionInfo* exception;
        ~Release() { Magick().DestroyExceptionInfo(exception); }
    } release{&exception};

    // The header first, so that a huge claim is refused before any pixel is allocated.
    {
        std::unique_ptr<Image, ImageDeleter> pinged(
            gm.PingBlob(info.get(), bytes.constData(), bytes.size(), &exception));
        if (!pinged || exception.severity >= ErrorException)
            throw CorruptImage(path, reason(exception));
        checkCoder(*pinged, coder, path);
        CheckDecodedSize(QSize(static_cast<int>(std::min<unsigned long>(pinged->columns, 1ul << 30)),
                               static_cast<int>(std::min<unsigned long>(pinged->rows, 1ul << 30))),
                         path);
    }
    gm.DestroyExceptionInfo(&exception);
    gm.GetExceptionInfo(&exception);
    std::unique_ptr<Image, ImageDeleter> image(
        gm.BlobToImage(info.get(), bytes.constData(), bytes.size(), &exception));
    if (!image || exception.severity >= ErrorException)
        throw CorruptImage(path, reason(exception));
    checkCoder(*image, coder, path);
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
        if (gm.DispatchImage(image.get(), 0, y, width, 1, "BGRA", CharPixel, result.scanLine(y),
                             &exception) != MagickPass)
            throw CorruptImage(path, reason(exception));
    }
    // GraphicsMagick asks libjxl for the stored pixels and hands the orientation on; libheif turns
    // HEIF pictures itself by their container, so an Exif orientation there would turn them twice.
    if (coder == "JXL")
        return Upright(result, static_cast<int>(image->orientation));
    return result;
}

} // namespace velmora
