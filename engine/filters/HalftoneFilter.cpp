#include "engine/filters/HalftoneFilter.h"

#include "engine/ParallelRows.h"
#include "engine/filters/GrayscaleFilter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>

namespace velmora {

HalftoneFilter::HalftoneFilter(int type, int angle)
    : m_cell(type == 1 ? 8 : 4) {
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

QImage HalftoneFilter::apply(const QImage& image) const {
    const QImage grey = GrayscaleFilter().apply(image);
    const bool colour = FilterInput(image).format() != QImage::Format_Grayscale8;
    const bool rotated = std::abs(m_sin) > 1e-9 || m_cos < 0;
    const int width = grey.width();
    QImage output(grey.size(), colour ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    ForEachRowBand(
        grey.height(),
        [&](int first, int end) {
            for (int y = first; y < end; ++y) {
                const uchar* in = grey.constScanLine(y);
                uchar* greyOut = output.scanLine(y);
                auto* colourOut = reinterpret_cast<quint32*>(greyOut);
                for (int x = 0; x < width; ++x) {
                    int cx = x;
                    int cy = y;
                    if (rotated) {
                        cx = static_cast<int>(std::floor(x * m_cos + y * m_sin));
                        cy = static_cast<int>(std::floor(y * m_cos - x * m_sin));
                    }
                    cx = ((cx % m_cell) + m_cell) % m_cell;
                    cy = ((cy % m_cell) + m_cell) % m_cell;
                    const bool black = 255 - in[x] > m_thresholds[cy * m_cell + cx];
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
