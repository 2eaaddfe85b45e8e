#include "engine/filters/EmbossFilter.h"

#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"
#include "engine/filters/GrayscaleFilter.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

struct Step {
    int dx;
    int dy;
};
constexpr Step kDirections[8] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};

} // namespace

EmbossFilter::EmbossFilter(int direction, int depth)
{
    const Step step = kDirections[((direction % 8) + 8) % 8];
    m_dx = step.dx;
    m_dy = step.dy;
    const double gain = std::max(0, depth) / 250.0;
    for (int d = -255; d <= 255; ++d)
        m_relief[d + 255] = static_cast<unsigned char>(std::clamp(std::lround(128.0 + d * gain), 0L, 255L));
}

QImage EmbossFilter::apply(const QImage& image) const
{
    const QImage heights = GrayscaleFilter().apply(image);
    const bool colour = FilterInput(image).format() != QImage::Format_Grayscale8;
    const int width = heights.width();
    const int height = heights.height();
    QImage output = NewImage(width, height, colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    if (output.isNull())
        return output;
    ForEachRowBand(
        height,
        [&](int first, int end) {
            // Local copies: stores through byte pointers could alias captured variables.
            const int w = width;
            const int dx = m_dx;
            const unsigned char* relief = m_relief;
            for (int y = first; y < end; ++y) {
                // A slope facing the light (height falling towards it) is lit, one facing away is shaded.
                const uchar* towards = heights.constScanLine(std::clamp(y + m_dy, 0, height - 1));
                const uchar* away = heights.constScanLine(std::clamp(y - m_dy, 0, height - 1));
                uchar* greyOut = output.scanLine(y);
                auto* colourOut = reinterpret_cast<quint32*>(greyOut);
                for (int x = 0; x < w; ++x) {
                    const int fall =
                        away[std::clamp(x - dx, 0, w - 1)] - towards[std::clamp(x + dx, 0, w - 1)];
                    const uchar value = relief[fall + 255];
                    if (colour)
                        colourOut[x] = 0xff000000u | value * 0x010101u;
                    else
                        greyOut[x] = value;
                }
            }
        },
        width);
    return output;
}

} // namespace velmora
