#include "engine/JpegDecoder.h"

#include "engine/DecodeFailure.h"
#include "engine/ImageDecoder.h"
#include "engine/ImageMemory.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

// jpeglib.h must come after cstdio; jerror.h gives the warning codes treated as fatal.
#include <jerror.h>

namespace velmora {
namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failAndJump(j_common_ptr info)
{
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings about missing data mean the picture would be silently grey-filled: treat them as errors.
void warnOrFail(j_common_ptr info, int level)
{
    if (level >= 0)
        return;
    const int code = info->err->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_MUST_RESYNC)
        failAndJump(info);
}

// The functions below hold no C++ objects, so a longjmp out of libjpeg skips no destructor.
bool readHeader(jpeg_decompress_struct* info, ErrorManager* errors, const QByteArray& bytes)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    return true;
}

bool prepareOutput(jpeg_decompress_struct* info, ErrorManager* errors, unsigned denominator)
{
    if (setjmp(errors->jump))
        return false;
    info->scale_num = 1;
    info->scale_denom = denominator;
    switch (info->jpeg_color_space) {
    case JCS_GRAYSCALE: info->out_color_space = JCS_GRAYSCALE; break;
    case JCS_CMYK:
    case JCS_YCCK: info->out_color_space = JCS_CMYK; break;
    default:
        info->out_color_space = JCS_EXT_BGRX; // the byte order of RGB32 on little-endian hosts
        break;
    }
    jpeg_calc_output_dimensions(info);
    return true;
}

bool readPixels(jpeg_decompress_struct* info, ErrorManager* errors, uchar* bits, qsizetype bytesPerLine)
{
    if (setjmp(errors->jump))
        return false;
    jpeg_start_decompress(info);
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = bits + bytesPerLine * info->output_scanline;
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

// Adobe writes CMYK inverted; each channel times the inverted black gives RGB.
void cmykToRgb(QImage& image)
{
    const int width = image.width();
    for (int y = 0; y < image.height(); ++y) {
        auto* words = reinterpret_cast<quint32*>(image.scanLine(y));
        const uchar* bytes = image.constScanLine(y);
        for (int x = 0; x < width; ++x) {
            const unsigned c = bytes[4 * x], m = bytes[4 * x + 1], yel = bytes[4 * x + 2],
                           k = bytes[4 * x + 3];
            words[x] = qRgb(c * k / 255, m * k / 255, yel * k / 255);
        }
    }
}

} // namespace

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "JCS_EXT_BGRX matches RGB32 on little-endian hosts only");

bool LooksLikeJpeg(const QByteArray& bytes)
{
    return bytes.size() >= 3 && uchar(bytes[0]) == 0xff && uchar(bytes[1]) == 0xd8 && uchar(bytes[2]) == 0xff;
}

QImage DecodeJpeg(const QByteArray& bytes, QSize fitWithin, const QString& path)
{
    return DecodeJpegScaled(
        bytes,
        [fitWithin](QSize stored) {
            const QSize minimumSize = FittedSize(stored, fitWithin);
            if (fitWithin.isValid() && !fitWithin.isEmpty()) {
                for (unsigned candidate : {8u, 4u, 2u}) {
                    const unsigned w = (unsigned(stored.width()) + candidate - 1) / candidate;
                    const unsigned h = (unsigned(stored.height()) + candidate - 1) / candidate;
                    if (w >= unsigned(minimumSize.width()) && h >= unsigned(minimumSize.height()))
                        return candidate;
                }
            }
            return 1u;
        },
        path);
}

QImage DecodeJpegScaled(const QByteArray& bytes, const JpegScaleChoice& choose, const QString& path)
{
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = failAndJump;
    errors.base.emit_message = warnOrFail;
    jpeg_create_decompress(&info);
    // Progressive files keep every coefficient in memory: cap libjpeg's own allocations too.
    info.mem->max_memory_to_use = static_cast<long>(MaxDecodedPixels * 4);

    struct Destroy {
        jpeg_decompress_struct* info;
        ~Destroy() { jpeg_destroy_decompress(info); }
    } destroy{&info};

    if (!readHeader(&info, &errors, bytes))
        throw CorruptImage(path, QString::fromLatin1(errors.message));
    CheckDecodedSize(QSize(static_cast<int>(std::min<JDIMENSION>(info.image_width, 1u << 30)),
                           static_cast<int>(std::min<JDIMENSION>(info.image_height, 1u << 30))),
                     path);

    unsigned denominator = choose(QSize(int(info.image_width), int(info.image_height)));
    if (denominator != 2 && denominator != 4 && denominator != 8)
        denominator = 1;
    if (!prepareOutput(&info, &errors, denominator))
        throw CorruptImage(path, QString::fromLatin1(errors.message));

    const bool grey = info.out_color_space == JCS_GRAYSCALE;
    QImage image = NewImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                            grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull())
        throw Failure(ErrorCode::OutOfMemory,
                      Failure::standardText(ErrorCode::OutOfMemory) + QStringLiteral("\n") + path);
    if (!readPixels(&info, &errors, image.bits(), image.bytesPerLine()))
        throw CorruptImage(path, QString::fromLatin1(errors.message));
    if (info.out_color_space == JCS_CMYK)
        cmykToRgb(image);
    return image;
}

} // namespace velmora
