#include "engine/filters/AverageFilter.h"

#include "engine/ParallelRows.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmora {

AverageFilter::AverageFilter(int neighbourhood)
    : m_radius(std::clamp(neighbourhood, 1, 31) / 2) {}

QImage AverageFilter::apply(const QImage& image) const {
    const QImage input = FilterInput(image);
    QImage output(input.size(), input.format());
    const int width = input.width();
    const int height = input.height();
    const int bpp = ChannelBytes(input);
    const int rowBytes = width * bpp;
    const int r = m_radius;
    const int taps = 2 * r + 1;
    const std::uint64_t divisor = static_cast<std::uint64_t>(taps) * taps;
    // Division by a fixed reciprocal in 24-bit fixed point, exact after rounding for every sum here.
    const std::uint64_t reciprocal = ((std::uint64_t{1} << 24) + divisor / 2) / divisor;

    // Sum of the row's bytes across the horizontal window, one entry per byte.
    const auto horizontal = [&](int y, std::vector<std::uint16_t>& sums) {
        const uchar* in = input.constScanLine(std::clamp(y, 0, height - 1));
        for (int x = 0; x < width; ++x) {
            const bool interior = x >= r && x < width - r;
            for (int c = 0; c < bpp; ++c) {
                unsigned sum = 0;
                if (interior) {
                    for (int k = -r; k <= r; ++k)
                        sum += in[(x + k) * bpp + c];
                } else {
                    for (int k = -r; k <= r; ++k)
                        sum += in[std::clamp(x + k, 0, width - 1) * bpp + c];
                }
                sums[x * bpp + c] = static_cast<std::uint16_t>(sum);
            }
        }
    };

    ForEachRowBand(
        height,
        [&](int first, int end) {
            std::vector<std::vector<std::uint16_t>> window(taps, std::vector<std::uint16_t>(rowBytes));
            for (int k = 0; k < taps; ++k)
                horizontal(first - r + k, window[k]);
            std::vector<std::uint32_t> column(rowBytes);
            for (int y = first; y < end; ++y) {
                if (y > first) {
                    // Slide the window down one row, reusing the oldest buffer.
                    std::rotate(window.begin(), window.begin() + 1, window.end());
                    horizontal(y + r, window.back());
                }
                std::fill(column.begin(), column.end(), 0u);
                for (const auto& sums : window)
                    for (int i = 0; i < rowBytes; ++i)
                        column[i] += sums[i];
                uchar* out = output.scanLine(y);
                for (int i = 0; i < rowBytes; ++i)
                    out[i] = static_cast<uchar>((column[i] * reciprocal + (std::uint64_t{1} << 23)) >> 24);
                if (bpp == 4)
                    for (int x = 0; x < width; ++x)
                        out[x * 4 + 3] = 0xff;
            }
        },
        width);
    return output;
}

} // namespace velmora
