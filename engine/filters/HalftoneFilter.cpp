#include "engine/filters/HalftoneFilter.h"

#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace velmora {
namespace {

// The luminance of an RGB32 pixel (BT.601 weights in 8-bit fixed point, as the grayscale effect).
inline int luma(quint32 p)
{
    return static_cast<int>(((p >> 16 & 0xff) * 77 + (p >> 8 & 0xff) * 150 + (p & 0xff) * 29 + 128) >> 8);
}

} // namespace

HalftoneFilter::HalftoneFilter(int type, int angle)
    : m_cell(type == 1 ? 8 : 4)
{
    const double radians = angle * std::numbers::pi / 180.0;
    m_cos = std::cos(radians);
    m_sin = std::sin(radians);
    // Rank the cell's positions by distance from its centre: the dot grows outwards as darkness rises.
    const int count = m_cell * m_cell;
    std::vector<double> distance(count);
    for (int i = 0; i < count; ++i) {
        const double x = (i % m_cell) + 0.5 - m_cell / 2.0;
        const double y = (i / m_cell) + 0.5 - m_cell / 2.0;
        distance[i] = x * x + y * y + 1e-6 * i; // ties broken by position, so ranks are unique
    }
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return distance[a] < distance[b]; });
    m_thresholds.resize(count);
    for (int rank = 0; rank < count; ++rank)
        m_thresholds[order[rank]] = static_cast<unsigned char>((rank * 2 + 1) * 255 / (2 * count));
}

QImage HalftoneFilter::apply(const QImage& image) const
{
    const QImage input = FilterInput(image);
    const bool colour = input.format() != QImage::Format_Grayscale8;
    const bool rotated = std::abs(m_sin) > 1e-9 || m_cos < 0;
    const int width = input.width();
    const int mask = m_cell - 1; // the cell is 4 or 8 pixels: a power of two
    QImage output = NewImage(input.width(), input.height(), input.format());
    if (output.isNull())
        return output;
    ForEachRowBand(
        input.height(),
        [&](int first, int end) {
            const int w = width; // a local: byte stores could alias a captured variable
            for (int y = first; y < end; ++y) {
                const uchar* greyIn = input.constScanLine(y);
                const auto* colourIn = reinterpret_cast<const quint32*>(greyIn);
                uchar* greyOut = output.scanLine(y);
                auto* colourOut = reinterpret_cast<quint32*>(greyOut);
                const unsigned char* thresholds = m_thresholds.data() + (y & mask) * m_cell;
                for (int x = 0; x < w; ++x) {
                    int threshold;
                    if (rotated) {
                        const int cx = static_cast<int>(std::floor(x * m_cos + y * m_sin)) & mask;
                        const int cy = static_cast<int>(std::floor(y * m_cos - x * m_sin)) & mask;
                        threshold = m_thresholds[cy * m_cell + cx];
                    } else {
                        threshold = thresholds[x & mask];
                    }
                    const int darkness = 255 - (colour ? luma(colourIn[x]) : greyIn[x]);
                    const bool black = darkness > threshold;
                    if (colour)
                        colourOut[x] = black ? 0xff000000u : 0xffffffffu;
                    else
                        greyOut[x] = black ? 0 : 255;
                }
            }
        },
        width);
    return output;
}

} // namespace velmora
