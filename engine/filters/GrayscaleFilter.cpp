#include "engine/filters/GrayscaleFilter.h"

#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"

namespace velmora {

QImage GrayscaleFilter::apply(const QImage& image) const
{
    const QImage input = FilterInput(image);
    if (input.format() == QImage::Format_Grayscale8)
        return input;
    QImage output = NewImage(input.width(), input.height(), QImage::Format_Grayscale8);
    if (output.isNull())
        return output;
    const int width = input.width();
    ForEachRowBand(
        input.height(),
        [&](int first, int end) {
            const int w = width; // a local: byte stores could alias a captured variable
            for (int y = first; y < end; ++y) {
                const auto* in = reinterpret_cast<const quint32*>(input.constScanLine(y));
                uchar* out = output.scanLine(y);
                for (int x = 0; x < w; ++x) {
                    const quint32 p = in[x];
                    // 77 + 150 + 29 = 256: 0.299, 0.587, 0.114 in 8-bit fixed point.
                    out[x] = static_cast<uchar>(
                        ((p >> 16 & 0xff) * 77 + (p >> 8 & 0xff) * 150 + (p & 0xff) * 29 + 128) >> 8);
                }
            }
        },
        input.width());
    return output;
}

} // namespace velmora
