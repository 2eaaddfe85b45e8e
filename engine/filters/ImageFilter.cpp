#include "engine/filters/ImageFilter.h"

#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"

#include <vector>

namespace velmora {

QImage FilterInput(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_Grayscale8: return image;
    default: return image.convertToFormat(QImage::Format_RGB32);
    }
}

QImage MapChannels(const QImage& source, const unsigned char (&table)[256])
{
    const QImage input = FilterInput(source);
    QImage output = NewImage(input.width(), input.height(), input.format());
    if (output.isNull())
        return output;
    const int bytesPerRow = input.width() * ChannelBytes(input);
    const bool grey = input.format() == QImage::Format_Grayscale8;
    // Blue and green looked up together: two table reads a pixel instead of three.
    std::vector<quint16> pairs;
    if (!grey) {
        pairs.resize(65536);
        for (int i = 0; i < 65536; ++i)
            pairs[i] = static_cast<quint16>(table[i & 0xff] | table[i >> 8] << 8);
    }
    const int width = input.width();
    ForEachRowBand(
        input.height(),
        [&](int first, int end) {
            // Local copies: stores through byte pointers could alias captured variables.
            const int n = bytesPerRow;
            const int w = width;
            for (int y = first; y < end; ++y) {
                const uchar* in = input.constScanLine(y);
                uchar* out = output.scanLine(y);
                if (grey) {
                    for (int i = 0; i < n; ++i)
                        out[i] = table[in[i]];
                    continue;
                }
                // RGB32 words: blue, green, red, padding in memory order on little-endian hosts.
                const auto* inWords = reinterpret_cast<const quint32*>(in);
                auto* outWords = reinterpret_cast<quint32*>(out);
                for (int x = 0; x < w; ++x) {
                    const quint32 p = inWords[x];
                    outWords[x] = 0xff000000u | (quint32(table[(p >> 16) & 0xff]) << 16) | pairs[p & 0xffff];
                }
            }
        },
        input.width());
    return output;
}

} // namespace velmora
