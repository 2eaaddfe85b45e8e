#include "engine/AvifDecoder.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/LibraryBinder.h"

#include <QThread>
#include <QTransform>

#include <algorithm>
#include <memory>

#include <avif/avif.h>

namespace velmora {
namespace {

struct AvifLibrary {
    decltype(&::avifDecoderCreate) decoderCreate = nullptr;
    decltype(&::avifDecoderDestroy) decoderDestroy = nullptr;
    decltype(&::avifDecoderSetIOMemory) setIOMemory = nullptr;
    decltype(&::avifDecoderParse) parse = nullptr;
    decltype(&::avifDecoderNextImage) nextImage = nullptr;
    decltype(&::avifRGBImageSetDefaults) rgbDefaults = nullptr;
    decltype(&::avifImageYUVToRGB) yuvToRgb = nullptr;
    decltype(&::avifResultToString) resultText = nullptr;
    decltype(&::avifCropRectConvertCleanApertureBox) clapToRect = nullptr;
    bool loaded = false;
};

const AvifLibrary& Avif()
{
    static const AvifLibrary library = [] {
        AvifLibrary avif;
        LibraryBinder binder(VELMORA_AVIF_LIBRARY);
        binder.bind(avif.decoderCreate, "avifDecoderCreate");
        binder.bind(avif.decoderDestroy, "avifDecoderDestroy");
        binder.bind(avif.setIOMemory, "avifDecoderSetIOMemory");
        binder.bind(avif.parse, "avifDecoderParse");
        binder.bind(avif.nextImage, "avifDecoderNextImage");
        binder.bind(avif.rgbDefaults, "avifRGBImageSetDefaults");
        binder.bind(avif.yuvToRgb, "avifImageYUVToRGB");
        binder.bind(avif.resultText, "avifResultToString");
        binder.bind(avif.clapToRect, "avifCropRectConvertCleanApertureBox");
        avif.loaded = binder.complete();
        return avif;
    }();
    return library;
}

struct DecoderDeleter {
    void operator()(avifDecoder* decoder) const { Avif().decoderDestroy(decoder); }
};
using Decoder = std::unique_ptr<avifDecoder, DecoderDeleter>;

QString reason(const avifDecoder& decoder, avifResult result)
{
    QString text = QString::fromUtf8(Avif().resultText(result));
    if (decoder.diag.error[0] != '\0')
        text += QStringLiteral(": ") + QString::fromUtf8(decoder.diag.error);
    return text;
}

// A decoder with the header parsed and the size checked; bytes must outlive it.
Decoder parsed(const QByteArray& bytes, const QString& path)
{
    const AvifLibrary& avif = Avif();
    if (!avif.loaded)
        throw CorruptImage(path, QStringLiteral("libavif"));
    Decoder decoder(avif.decoderCreate());
    if (!decoder)
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    decoder->maxThreads = std::clamp(QThread::idealThreadCount(), 1, 8);
    // libavif refuses larger claims itself too, before allocating.
    decoder->imageSizeLimit = static_cast<uint32_t>(MaxDecodedPixels);
    decoder->imageDimensionLimit = MaxDecodedSide;
    decoder->ignoreExif = AVIF_TRUE;
    decoder->ignoreXMP = AVIF_TRUE;
    avifResult result = avif.setIOMemory(decoder.get(), reinterpret_cast<const uint8_t*>(bytes.constData()),
                                         static_cast<size_t>(bytes.size()));
    if (result == AVIF_RESULT_OK)
        result = avif.parse(decoder.get());
    if (result == AVIF_RESULT_OK)
        CheckDecodedSize(QSize(int(std::min<uint32_t>(decoder->image->width, 1u << 30)),
                               int(std::min<uint32_t>(decoder->image->height, 1u << 30))),
                         path);
    else if (decoder->image && (decoder->image->width > uint32_t(MaxDecodedSide) ||
                                decoder->image->height > uint32_t(MaxDecodedSide)))
        throw ImageTooLarge(path, decoder->image->width, decoder->image->height);
    if (result != AVIF_RESULT_OK)
        throw CorruptImage(path, reason(*decoder, result));
    return decoder;
}

// The clean aperture the container asks for, or the whole picture when it asks for none or for one
// that makes no sense.
QRect visibleRect(const avifImage& image)
{
    const QRect whole(0, 0, int(image.width), int(image.height));
    if (!(image.transformFlags & AVIF_TRANSFORM_CLAP))
        return whole;
    avifCropRect crop{};
    avifDiagnostics diag{};
    if (!Avif().clapToRect(&crop, &image.clap, image.width, image.height, image.yuvFormat, &diag))
        return whole;
    return QRect(int(crop.x), int(crop.y), int(crop.width), int(crop.height)) & whole;
}

// The container's turn (quarter turns anticlockwise), then its mirror.
QImage turned(QImage picture, const avifImage& image)
{
    if ((image.transformFlags & AVIF_TRANSFORM_IROT) && image.irot.angle % 4 != 0)
        picture = picture.transformed(QTransform().rotate(-90.0 * (image.irot.angle % 4)));
    if (image.transformFlags & AVIF_TRANSFORM_IMIR)
        picture = image.imir.mode == 1 ? picture.mirrored(true, false) : picture.mirrored(false, true);
    return picture;
}

} // namespace

bool AvifLibraryLoaded()
{
    return Avif().loaded;
}

std::optional<QSize> AvifHeaderSize(const QByteArray& bytes, const QString& path)
{
    if (!Avif().loaded)
        return std::nullopt;
    try {
        const Decoder decoder = parsed(bytes, path);
        const QSize size = visibleRect(*decoder->image).size();
        const bool quarter =
            (decoder->image->transformFlags & AVIF_TRANSFORM_IROT) && decoder->image->irot.angle % 2;
        return quarter ? size.transposed() : size;
    } catch (const Failure& failure) {
        if (failure.code() == ErrorCode::InvalidPicture)
            return std::nullopt;
        throw;
    }
}

QImage DecodeAvif(const QByteArray& bytes, const QString& path)
{
    const Decoder decoder = parsed(bytes, path);
    const AvifLibrary& avif = Avif();
    if (const avifResult result = avif.nextImage(decoder.get()); result != AVIF_RESULT_OK)
        throw CorruptImage(path, reason(*decoder, result));
    const avifImage& image = *decoder->image;
    const bool transparent = image.alphaPlane != nullptr;
    QImage picture(int(image.width), int(image.height),
                   transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (picture.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    avifRGBImage rgb;
    avif.rgbDefaults(&rgb, &image);
    // "BGRA" in memory is (A)RGB32 on little-endian hosts; libavif rounds deeper samples to 8 bits
    // and fills the alpha of an opaque picture.
    rgb.format = AVIF_RGB_FORMAT_BGRA;
    rgb.depth = 8;
    rgb.alphaPremultiplied = AVIF_FALSE;
    rgb.pixels = picture.bits();
    rgb.rowBytes = static_cast<uint32_t>(picture.bytesPerLine());
    if (const avifResult result = avif.yuvToRgb(&image, &rgb); result != AVIF_RESULT_OK)
        throw CorruptImage(path, reason(*decoder, result));
    const QRect visible = visibleRect(image);
    if (visible != picture.rect())
        picture = picture.copy(visible);
    return turned(std::move(picture), image);
}

} // namespace velmora
