#include "engine/filters/AverageFilter.h"

#include "engine/ImageMemory.h"
#include "engine/ParallelRows.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace velmora {

AverageFilter::AverageFilter(int neighbourhood)
    : m_radius(std::clamp(neighbourhood, 1, 31) / 2)
{}

QImage AverageFilter::apply(const QImage& image) const
{
    const QImage input = FilterInput(image);
    QImage output = NewImage(input.width(), input.height(), input.format());
    if (output.isNull())
        return output;
    const int width = input.width();
    const int height = input.height();
    const int bpp = ChannelBytes(input);
    const int rowBytes = width * bpp;
    const int r = m_radius;
    const int taps = 2 * r + 1;
    const std::uint32_t divisor = static_cast<std::uint32_t>(taps * taps);
    // For the 3 x 3 neighbourhood, round(sum / 9) = floor((sum + 4) / 9), taken as the high half of
    // a 16-bit multiplication by 65536 / 9: exact for every sum up to 9 x 255, and vectorisable.
    constexpr std::uint32_t reciprocal = 7282;

    // Sum of each byte across the horizontal window; bytes beyond the edge repeat the edge pixel.
    const auto horizontal = [&](int y, std::uint16_t* sums) {
        const uchar* in = input.constScanLine(std::clamp(y, 0, height - 1));
        const int interiorFirst = std::min(r, width) * bpp;
        const int interiorEnd = std::max(interiorFirst, (width - r) * bpp);
        if (r == 1) {
            for (int i = interiorFirst; i < interiorEnd; ++i)
                sums[i] = static_cast<std::uint16_t>(in[i - bpp] + in[i] + in[i + bpp]);
        } else {
            for (int i = interiorFirst; i < interiorEnd; ++i) {
                unsigned sum = 0;
                for (int k = -r; k <= r; ++k)
                    sum += in[i + k * bpp];
                sums[i] = static_cast<std::uint16_t>(sum);
            }
        }
        const auto edge = [&](int x) {
            for (int c = 0; c < bpp; ++c) {
                unsigned sum = 0;
                for (int k = -r; k <= r; ++k)
                    sum += in[std::clamp(x + k, 0, width - 1) * bpp + c];
                sums[x * bpp + c] = static_cast<std::uint16_t>(sum);
            }
        };
        for (int x = 0; x < std::min(r, width); ++x)
            edge(x);
        for (int x = std::max(r, width - r); x < width; ++x)
            edge(x);
    };

    ForEachRowBand(
        height,
        [&](int first, int end) {
            // Local copies: stores through byte pointers could alias captured variables.
            const int n = rowBytes;
            const int w = width;
            // A ring of the window's rows of horizontal sums.
            std::vector<std::uint16_t> storage(static_cast<size_t>(taps) * rowBytes);
            std::vector<std::uint16_t*> window(taps);
            for (int k = 0; k < taps; ++k) {
                window[k] = storage.data() + static_cast<size_t>(k) * rowBytes;
                horizontal(first - r + k, window[k]);
            }
            for (int y = first; y < end; ++y) {
                if (y > first) {
                    std::rotate(window.begin(), window.begin() + 1, window.end());
                    horizontal(y + r, window.back());
                }
                uchar* out = output.scanLine(y);
                if (taps == 3) {
                    const std::uint16_t* a = window[0];
                    const std::uint16_t* b = window[1];
                    const std::uint16_t* c = window[2];
                    for (int i = 0; i < n; ++i) {
                        const auto sum = static_cast<std::uint16_t>(a[i] + b[i] + c[i] + 4);
                        const auto high = static_cast<std::uint16_t>((std::uint32_t{sum} * reciprocal) >> 16);
                        out[i] = static_cast<uchar>(high);
                    }
                } else {
                    for (int i = 0; i < n; ++i) {
                        std::uint32_t sum = 0;
                        for (int k = 0; k < taps; ++k)
                            sum += window[k][i];
                        out[i] = static_cast<uchar>((sum + divisor / 2) / divisor);
                    }
                }
                if (bpp == 4)
                    for (int x = 0; x < w; ++x)
                        out[x * 4 + 3] = 0xff;
            }
        },
        width);
    return output;
}

} // namespace velmora
