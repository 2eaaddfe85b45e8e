#include "engine/ParallelRows.h"

#include <algorithm>
#include <thread>
#include <vector>

namespace velmora {

void ForEachRowBand(int rows, const std::function<void(int, int)>& work, long long pixelsPerRow) {
    if (rows <= 0)
        return;
    constexpr long long minPixelsPerBand = 64 * 1024;
    const long long total = static_cast<long long>(rows) * std::max(1LL, pixelsPerRow);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int bands =
        static_cast<int>(std::clamp<long long>(total / minPixelsPerBand, 1, std::min(cores, rows)));
    if (bands == 1) {
        work(0, rows);
        return;
    }
    std::vector<std::thread> helpers;
    helpers.reserve(bands - 1);
    const auto bandStart = [&](int band) {
        return static_cast<int>(static_cast<long long>(rows) * band / bands);
    };
    for (int band = 1; band < bands; ++band)
        helpers.emplace_back([&, band] { work(bandStart(band), bandStart(band + 1)); });
    work(0, bandStart(1));
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace velmora
