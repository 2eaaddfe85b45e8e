#include "engine/ParallelRows.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace velmora {

void ForEachRowBand(int rows, const std::function<void(int, int)>& work, long long pixelsPerRow)
{
    if (rows <= 0)
        return;
    constexpr long long minPixelsPerBand = 64 * 1024;
    const long long total = static_cast<long long>(rows) * std::max(1LL, pixelsPerRow);
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const int threads =
        static_cast<int>(std::clamp<long long>(total / minPixelsPerBand, 1, std::min(cores, rows)));
    if (threads == 1) {
        work(0, rows);
        return;
    }
    // Several bands a thread, taken in turn: when another program holds a core, the other threads
    // take over its share instead of waiting for it.
    const int bands = std::min(rows, threads * 8);
    std::atomic<int> next{0};
    const auto worker = [&] {
        for (int band = next++; band < bands; band = next++)
            work(static_cast<int>(static_cast<long long>(rows) * band / bands),
                 static_cast<int>(static_cast<long long>(rows) * (band + 1) / bands));
    };
    std::vector<std::thread> helpers;
    helpers.reserve(threads - 1);
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(worker);
    worker();
    for (std::thread& helper : helpers)
        helper.join();
}

} // namespace velmora
