#include "engine/WebpReduced.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/LibraryBinder.h"

#include <webp/decode.h>

namespace velmora {
namespace {

struct WebpLibrary {
    decltype(&::WebPGetFeaturesInternal) features = nullptr;
    decltype(&::WebPInitDecoderConfigInternal) initConfig = nullptr;
    decltype(&::WebPDecode) decode = nullptr;
    decltype(&::WebPFreeDecBuffer) freeBuffer = nullptr;
    bool loaded = false;
};

const WebpLibrary& Webp()
{
    static const WebpLibrary library = [] {
        WebpLibrary webp;
        LibraryBinder binder(VELMORA_WEBP_LIBRARY);
        binder.bind(webp.features, "WebPGetFeaturesInternal");
        binder.bind(webp.initConfig, "WebPInitDecoderConfigInternal");
        binder.bind(webp.decode, "WebPDecode");
        binder.bind(webp.freeBuffer, "WebPFreeDecBuffer");
        webp.loaded = binder.complete();
        return webp;
    }();
    return library;
}

} // namespace

QImage DecodeWebpReduced(const QByteArray& bytes, QSize target, const QString& path)
{
    const WebpLibrary& webp = Webp();
    if (!webp.loaded || target.isEmpty())
        return {};
    WebPDecoderConfig config;
    if (!webp.initConfig(&config, WEBP_DECODER_ABI_VERSION))
        return {};
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    const auto size = static_cast<size_t>(bytes.size());
    if (webp.features(data, size, &config.input, WEBP_DECODER_ABI_VERSION) != VP8_STATUS_OK)
        throw CorruptImage(path, QStringLiteral("WebP"));
    CheckDecodedSize(QSize(config.input.width, config.input.height), path);
    if (config.input.has_animation)
        return {};
    const bool transparent = config.input.has_alpha != 0;
    QImage picture(target, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (picture.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    config.options.use_scaling = 1;
    config.options.scaled_width = target.width();
    config.options.scaled_height = target.height();
    // "BGRA" in memory is (A)RGB32 on little-endian hosts; the lower-case "bgrA" is premultiplied.
    config.output.colorspace = transparent ? MODE_bgrA : MODE_BGRA;
    config.output.is_external_memory = 1;
    config.output.u.RGBA.rgba = picture.bits();
    config.output.u.RGBA.stride = int(picture.bytesPerLine());
    config.output.u.RGBA.size = size_t(picture.sizeInBytes());
    const VP8StatusCode status = webp.decode(data, size, &config);
    webp.freeBuffer(&config.output);
    if (status != VP8_STATUS_OK)
        throw CorruptImage(path, QStringLiteral("WebP"));
    return picture;
}

} // namespace velmora
