#include "engine/ParallelRows.h"

#include "core/jobs/JobPool.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

namespace velmora {
namespace {

// Shared with the helper tasks, which may start only after the caller has finished every band;
// such late helpers find no band left and touch nothing but this.
struct Bands {
    explicit Bands(int rows, int count, const std::function<void(int, int)>* work)
        : rows(rows)
        , count(count)
        , work(work)
    {}

    // Takes bands until none is left.
    void run()
    {
        for (int band = next++; band < count; band = next++) {
            (*work)(static_cast<int>(static_cast<long long>(rows) * band / count),
                    static_cast<int>(static_cast<long long>(rows) * (band + 1) / count));
            if (++done == count) {
                const std::lock_guard lock(mutex);
                allDone.notify_all();
            }
        }
    }

    const int rows;
    const int count;
    const std::function<void(int, int)>* work;
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable allDone;
};

} // namespace

void ForEachRowBand(int rows, const std::function<void(int, int)>& work, long long pixelsPerRow)
{
    if (rows <= 0)
        return;
    constexpr long long minPixelsPerBand = 64 * 1024;
    const long long total = static_cast<long long>(rows) * std::max(1LL, pixelsPerRow);
    QThreadPool& pool = JobPool();
    const int cores = std::max(1, pool.maxThreadCount());
    const int threads =
        static_cast<int>(std::clamp<long long>(total / minPixelsPerBand, 1, std::min(cores, rows)));
    if (threads == 1) {
        work(0, rows);
        return;
    }
    // Several bands a thread, taken in turn: when another program holds a core, the others take
    // over its share. The caller takes bands too, so it never waits for a pool thread to become
    // free: on a worker, or with the pool busy, it simply does the work alone.
    auto bands = std::make_shared<Bands>(rows, std::min(rows, threads * 8), &work);
    for (int t = 1; t < threads; ++t)
        pool.start(
            [bands] {
                JobThreadScope onWorker;
                bands->run();
            },
            1);
    bands->run();
    std::unique_lock lock(bands->mutex);
    bands->allDone.wait(lock, [&] { return bands->done.load() == bands->count; });
}

} // namespace velmora
