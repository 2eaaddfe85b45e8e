#include "engine/JxlDecoder.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/LibraryBinder.h"

#include <QThread>

#include <algorithm>
#include <memory>

#include <jxl/decode.h>
#include <jxl/thread_parallel_runner.h>

namespace velmora {
namespace {

struct JxlLibrary {
    decltype(&::JxlDecoderCreate) create = nullptr;
    decltype(&::JxlDecoderDestroy) destroy = nullptr;
    decltype(&::JxlDecoderSubscribeEvents) subscribe = nullptr;
    decltype(&::JxlDecoderSetParallelRunner) setRunner = nullptr;
    decltype(&::JxlDecoderSetUnpremultiplyAlpha) unpremultiply = nullptr;
    decltype(&::JxlDecoderSetInput) setInput = nullptr;
    decltype(&::JxlDecoderCloseInput) closeInput = nullptr;
    decltype(&::JxlDecoderProcessInput) process = nullptr;
    decltype(&::JxlDecoderGetBasicInfo) basicInfo = nullptr;
    decltype(&::JxlDecoderImageOutBufferSize) bufferSize = nullptr;
    decltype(&::JxlDecoderSetImageOutBuffer) setBuffer = nullptr;
    decltype(&::JxlThreadParallelRunner) runner = nullptr;
    decltype(&::JxlThreadParallelRunnerCreate) runnerCreate = nullptr;
    decltype(&::JxlThreadParallelRunnerDestroy) runnerDestroy = nullptr;
    bool loaded = false;
};

const JxlLibrary& Jxl()
{
    static const JxlLibrary library = [] {
        JxlLibrary jxl;
        LibraryBinder decoder(VELMORA_JXL_LIBRARY);
        decoder.bind(jxl.create, "JxlDecoderCreate");
        decoder.bind(jxl.destroy, "JxlDecoderDestroy");
        decoder.bind(jxl.subscribe, "JxlDecoderSubscribeEvents");
        decoder.bind(jxl.setRunner, "JxlDecoderSetParallelRunner");
        decoder.bind(jxl.unpremultiply, "JxlDecoderSetUnpremultiplyAlpha");
        decoder.bind(jxl.setInput, "JxlDecoderSetInput");
        decoder.bind(jxl.closeInput, "JxlDecoderCloseInput");
        decoder.bind(jxl.process, "JxlDecoderProcessInput");
        decoder.bind(jxl.basicInfo, "JxlDecoderGetBasicInfo");
        decoder.bind(jxl.bufferSize, "JxlDecoderImageOutBufferSize");
        decoder.bind(jxl.setBuffer, "JxlDecoderSetImageOutBuffer");
        LibraryBinder threads(VELMORA_JXL_THREADS_LIBRARY);
        threads.bind(jxl.runner, "JxlThreadParallelRunner");
        threads.bind(jxl.runnerCreate, "JxlThreadParallelRunnerCreate");
        threads.bind(jxl.runnerDestroy, "JxlThreadParallelRunnerDestroy");
        jxl.loaded = decoder.complete() && threads.complete();
        return jxl;
    }();
    return library;
}

struct DecoderDeleter {
    void operator()(JxlDecoder* decoder) const { Jxl().destroy(decoder); }
};
struct RunnerDeleter {
    void operator()(void* runner) const { Jxl().runnerDestroy(runner); }
};

// The size as shown: orientations 5 to 8 swap the sides.
QSize shownSize(const JxlBasicInfo& info)
{
    const QSize stored(int(std::min<uint32_t>(info.xsize, 1u << 30)),
                       int(std::min<uint32_t>(info.ysize, 1u << 30)));
    return info.orientation >= JXL_ORIENT_TRANSPOSE ? stored.transposed() : stored;
}

// A decoder given the bytes (which must outlive it) that reports the events asked for.
std::unique_ptr<JxlDecoder, DecoderDeleter> started(const QByteArray& bytes, int events)
{
    const JxlLibrary& jxl = Jxl();
    std::unique_ptr<JxlDecoder, DecoderDeleter> decoder(jxl.create(nullptr));
    if (!decoder || jxl.subscribe(decoder.get(), events) != JXL_DEC_SUCCESS ||
        jxl.setInput(decoder.get(), reinterpret_cast<const uint8_t*>(bytes.constData()),
                     size_t(bytes.size())) != JXL_DEC_SUCCESS)
        return nullptr;
    jxl.closeInput(decoder.get());
    return decoder;
}

} // namespace

bool JxlLibraryLoaded()
{
    return Jxl().loaded;
}

std::optional<QSize> JxlHeaderSize(const QByteArray& bytes)
{
    if (!Jxl().loaded)
        return std::nullopt;
    const auto decoder = started(bytes, JXL_DEC_BASIC_INFO);
    JxlBasicInfo info{};
    if (!decoder || Jxl().process(decoder.get()) != JXL_DEC_BASIC_INFO ||
        Jxl().basicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
        return std::nullopt;
    return shownSize(info);
}

QImage DecodeJxl(const QByteArray& bytes, const QString& path)
{
    const JxlLibrary& jxl = Jxl();
    if (!jxl.loaded)
        throw CorruptImage(path, QStringLiteral("libjxl"));
    const auto decoder = started(bytes, JXL_DEC_BASIC_INFO | JXL_DEC_FULL_IMAGE);
    const std::unique_ptr<void, RunnerDeleter> runner(
        jxl.runnerCreate(nullptr, size_t(std::clamp(QThread::idealThreadCount(), 1, 8))));
    if (!decoder || !runner || jxl.setRunner(decoder.get(), jxl.runner, runner.get()) != JXL_DEC_SUCCESS)
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    // Transparent pixels are composed like PNG's, whose colours are not premultiplied.
    jxl.unpremultiply(decoder.get(), JXL_TRUE);
    const JxlPixelFormat format{4, JXL_TYPE_UINT8, JXL_NATIVE_ENDIAN, 0};
    QImage picture;
    bool transparent = false;
    for (;;) {
        switch (jxl.process(decoder.get())) {
        case JXL_DEC_BASIC_INFO: {
            JxlBasicInfo info{};
            if (jxl.basicInfo(decoder.get(), &info) != JXL_DEC_SUCCESS)
                throw CorruptImage(path, QStringLiteral("JPEG XL"));
            // libjxl turns the picture upright itself, so the buffer has the shown size.
            const QSize size = shownSize(info);
            CheckDecodedSize(size, path);
            transparent = info.alpha_bits > 0;
            picture = QImage(size, transparent ? QImage::Format_RGBA8888 : QImage::Format_RGBX8888);
            if (picture.isNull())
                throw Failure(ErrorCode::OutOfMemory,
                              Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
            break;
        }
        case JXL_DEC_NEED_IMAGE_OUT_BUFFER: {
            size_t needed = 0;
            if (picture.isNull() || jxl.bufferSize(decoder.get(), &format, &needed) != JXL_DEC_SUCCESS ||
                needed != size_t(picture.sizeInBytes()) ||
                jxl.setBuffer(decoder.get(), &format, picture.bits(), needed) != JXL_DEC_SUCCESS)
                throw CorruptImage(path, QStringLiteral("JPEG XL"));
            break;
        }
        case JXL_DEC_FULL_IMAGE:
            // The first frame of an animation is enough.
            picture.convertTo(transparent ? QImage::Format_ARGB32 : QImage::Format_RGB32);
            return picture;
        case JXL_DEC_NEED_MORE_INPUT: throw CorruptImage(path, QStringLiteral("JPEG XL: truncated"));
        default: throw CorruptImage(path, QStringLiteral("JPEG XL"));
        }
    }
}

} // namespace velmora
