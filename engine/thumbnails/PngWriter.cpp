#include "engine/thumbnails/PngWriter.h"

#include <libdeflate.h>

#include <memory>

namespace velmora {
namespace {

void appendWord(QByteArray& out, quint32 value)
{
    const char bytes[4] = {char(value >> 24), char(value >> 16), char(value >> 8), char(value)};
    out.append(bytes, 4);
}

void appendChunk(QByteArray& out, const char type[4], const char* data, qsizetype size)
{
    appendWord(out, quint32(size));
    const qsizetype start = out.size();
    out.append(type, 4);
    out.append(data, size);
    appendWord(out, libdeflate_crc32(0, out.constData() + start, size_t(size + 4)));
}

struct CompressorDeleter {
    void operator()(libdeflate_compressor* compressor) const { libdeflate_free_compressor(compressor); }
};

// One compressor a thread, made once: allocating it costs more than compressing a thumbnail.
libdeflate_compressor* compressor()
{
    // Level 1 of 12: photos hardly compress further, and the cache is written while the user waits.
    thread_local std::unique_ptr<libdeflate_compressor, CompressorDeleter> own(libdeflate_alloc_compressor(1));
    return own.get();
}

// The rows as PNG wants them, each with the "Sub" filter (each byte less the one a pixel to its
// left): cheap, and it shrinks photos nearly as well as choosing per row. Opaque pictures in RGB32
// are read as they are; converting them first would cost more than the filter.
void filterRows(const QImage& picture, QByteArray& rows)
{
    const bool opaque = picture.format() == QImage::Format_RGB32;
    const int channels = opaque ? 3 : 4;
    const int width = picture.width();
    const qsizetype rowBytes = qsizetype(width) * channels;
    rows.resize((rowBytes + 1) * picture.height());
    auto* out = reinterpret_cast<uchar*>(rows.data());
    for (int y = 0; y < picture.height(); ++y) {
        *out++ = 1;
        if (opaque) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            int red = 0, green = 0, blue = 0;
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = line[x];
                out[0] = uchar(qRed(pixel) - red);
                out[1] = uchar(qGreen(pixel) - green);
                out[2] = uchar(qBlue(pixel) - blue);
                red = qRed(pixel);
                green = qGreen(pixel);
                blue = qBlue(pixel);
                out += 3;
            }
        } else {
            const uchar* line = picture.constScanLine(y);
            for (int i = 0; i < channels; ++i)
                out[i] = line[i];
            for (qsizetype i = channels; i < rowBytes; ++i)
                out[i] = uchar(line[i] - line[i - channels]);
            out += rowBytes;
        }
    }
}

} // namespace

QByteArray EncodePng(const QImage& picture, const QList<PngText>& texts)
{
    if (picture.isNull())
        return {};
    const bool alpha = picture.hasAlphaChannel();
    const QImage pixels = picture.format() == QImage::Format_RGB32
                              ? picture
                              : picture.convertToFormat(alpha ? QImage::Format_RGBA8888 : QImage::Format_RGB32);
    if (pixels.isNull())
        return {};
    // Kept from picture to picture on each thread: fresh buffers of this size cost page faults.
    thread_local QByteArray rows;
    thread_local QByteArray compressed;
    filterRows(pixels, rows);
    libdeflate_compressor* zlib = compressor();
    if (!zlib)
        return {};
    compressed.resize(qsizetype(libdeflate_zlib_compress_bound(zlib, size_t(rows.size()))));
    const size_t packed = libdeflate_zlib_compress(zlib, rows.constData(), size_t(rows.size()), compressed.data(),
                                                   size_t(compressed.size()));
    if (packed == 0)
        return {};

    QByteArray out;
    out.reserve(qsizetype(packed) + 256);
    out.append("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    appendWord(header, quint32(pixels.width()));
    appendWord(header, quint32(pixels.height()));
    // 8 bits, colour type 2 (RGB) or 6 (RGBA), deflate, adaptive filtering, not interlaced.
    header.append(char(8)).append(char(alpha ? 6 : 2)).append(char(0)).append(char(0)).append(char(0));
    appendChunk(out, "IHDR", header.constData(), header.size());
    for (const PngText& text : texts) {
        if (text.key.isEmpty() || text.key.size() > 79)
            continue;
        const QByteArray data = text.key + '\0' + text.value;
        appendChunk(out, "tEXt", data.constData(), data.size());
    }
    appendChunk(out, "IDAT", compressed.constData(), qsizetype(packed));
    appendChunk(out, "IEND", "", 0);
    return out;
}

} // namespace velmora
