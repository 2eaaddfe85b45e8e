#include "engine/RowPipe.h"
#include "core/jobs/JobPool.h"

#include <QSemaphore>

#include <atomic>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

using namespace velmora;

namespace {

constexpr int RowBytes = 64;

// A decoder of rows whose bytes all hold the row's number (mod 256); it can be told to throw at a row.
struct CountingDecoder {
    std::atomic<int> next{0};
    int throwAt = -1;
    void operator()(uchar* row)
    {
        const int y = next++;
        if (y == throwAt)
            throw std::runtime_error("corrupt row");
        std::memset(row, y & 0xff, RowBytes);
    }
};

// Holds every thread of the program's pool until released. The tasks share the semaphores, which
// outlive the holder until the last task has let go of them.
struct BusyPool {
    struct Gate {
        QSemaphore release;
        QSemaphore started;
    };
    std::shared_ptr<Gate> gate = std::make_shared<Gate>();
    BusyPool()
    {
        for (int i = 0; i < JobPool().maxThreadCount(); ++i)
            JobPool().start([gate = gate] {
                gate->started.release();
                gate->release.acquire();
            });
        gate->started.acquire(JobPool().maxThreadCount());
    }
    ~BusyPool() { gate->release.release(JobPool().maxThreadCount()); }
};

// Runs the check with the pool free for the pipe's helper, then with every pool thread taken.
void WithPoolFreeAndBusy(const std::function<void()>& check)
{
    for (const bool poolBusy : {false, true}) {
        SCOPED_TRACE(poolBusy ? "pool busy" : "pool free");
        std::unique_ptr<BusyPool> busy;
        if (poolBusy)
            busy = std::make_unique<BusyPool>();
        check();
    }
}

void ExpectRow(const std::vector<uchar>& line, int y)
{
    for (uchar byte : line)
        ASSERT_EQ(byte, uchar(y & 0xff)) << "row " << y;
}

} // namespace

TEST(RowPipe, EveryRowArrivesInOrderWithTheHelperOrWithoutAThreadForIt)
{
    WithPoolFreeAndBusy([] {
        CountingDecoder decoder;
        RowPipe pipe(1000, RowBytes, [&decoder](uchar* row) { decoder(row); });
        std::vector<uchar> line(RowBytes);
        for (int y = 0; y < 1000; ++y) {
            pipe.read(y, line.data());
            ExpectRow(line, y);
            // Now and then the reader is the slower side, and the helper fills the ring.
            if (y % 200 == 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        pipe.close();
        EXPECT_EQ(decoder.next.load(), 1000) << "each row decoded once";
    });
}

TEST(RowPipe, RowsPassedOverAreSkippedAndTheReaderMayStopEarly)
{
    CountingDecoder decoder;
    std::vector<uchar> line(RowBytes);
    {
        RowPipe pipe(5000, RowBytes, [&decoder](uchar* row) { decoder(row); });
        pipe.read(0, line.data());
        pipe.read(300, line.data());
        ExpectRow(line, 300);
        pipe.read(301, line.data());
        ExpectRow(line, 301);
    }
    // The pipe is gone: the decoder, which belongs to the caller, is no longer touched.
    const int decoded = decoder.next.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(decoder.next.load(), decoded);
    EXPECT_LT(decoded, 5000) << "the ring holds the helper back";
}

TEST(RowPipe, ADecoderFailureReachesTheReaderAtItsRowAndAtClose)
{
    WithPoolFreeAndBusy([] {
        CountingDecoder decoder;
        decoder.throwAt = 40;
        RowPipe pipe(100, RowBytes, [&decoder](uchar* row) { decoder(row); });
        std::vector<uchar> line(RowBytes);
        for (int y = 0; y < 40; ++y) {
            pipe.read(y, line.data());
            ExpectRow(line, y);
        }
        EXPECT_THROW(pipe.read(40, line.data()), std::runtime_error);
        EXPECT_THROW(pipe.close(), std::runtime_error);
    });
}
