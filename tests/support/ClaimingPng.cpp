#include "tests/support/ClaimingPng.h"

#include <QtEndian>

#include <libdeflate.h>

#include <memory>

namespace velmora::test {
namespace {

QByteArray chunk(const char* type, const QByteArray& data)
{
    QByteArray out(4, '\0');
    qToBigEndian(quint32(data.size()), out.data());
    const QByteArray typed = QByteArray(type, 4) + data;
    out += typed;
    QByteArray crc(4, '\0');
    qToBigEndian(quint32(libdeflate_crc32(0, typed.constData(), size_t(typed.size()))), crc.data());
    return out + crc;
}

int samplesPerPixel(int colourType)
{
    switch (colourType) {
    case 2: return 3;
    case 4: return 2;
    case 6: return 4;
    default: return 1;
    }
}

// The bytes of the rows as stored, a filter byte before each row of each pass.
qsizetype rowBytes(const PngShape& shape)
{
    const auto pass = [&](int x, int y, int dx, int dy) -> qsizetype {
        const qsizetype width = shape.width > x ? (shape.width - x + dx - 1) / dx : 0;
        const qsizetype rows = shape.height > y ? (shape.height - y + dy - 1) / dy : 0;
        return width == 0 ? 0 : rows * (1 + width * samplesPerPixel(shape.colourType));
    };
    if (!shape.interlaced)
        return pass(0, 0, 1, 1);
    return pass(0, 0, 8, 8) + pass(4, 0, 8, 8) + pass(0, 4, 4, 8) + pass(2, 0, 4, 4) + pass(0, 2, 2, 4) +
           pass(1, 0, 2, 2) + pass(0, 1, 1, 2);
}

} // namespace

QByteArray ClaimingPng(const PngShape& shape)
{
    QByteArray header(13, '\0');
    qToBigEndian(quint32(shape.width), header.data());
    qToBigEndian(quint32(shape.height), header.data() + 4);
    header[8] = 8;
    header[9] = char(shape.colourType);
    header[12] = shape.interlaced ? 1 : 0;

    // Every byte is 0, the filter bytes too.
    const QByteArray rows(rowBytes(shape), '\0');
    const std::unique_ptr<libdeflate_compressor, decltype(&libdeflate_free_compressor)> compressor(
        libdeflate_alloc_compressor(1), libdeflate_free_compressor);
    QByteArray compressed(qsizetype(libdeflate_zlib_compress_bound(compressor.get(), size_t(rows.size()))),
                          '\0');
    compressed.resize(
        qsizetype(libdeflate_zlib_compress(compressor.get(), rows.constData(), size_t(rows.size()),
                                           compressed.data(), size_t(compressed.size()))));

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    png += chunk("IHDR", header);
    if (shape.colourType == 3)
        png += chunk("PLTE", QByteArray(3, '\0'));
    if (shape.transparencyChunk)
        png += chunk("tRNS", QByteArray(shape.colourType == 3 ? 1 : shape.colourType == 2 ? 6 : 2, '\0'));
    png += chunk("IDAT", compressed);
    png += chunk("IEND", {});
    return png;
}

} // namespace velmora::test
