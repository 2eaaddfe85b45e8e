#include "engine/RowPipe.h"

#include "core/jobs/JobPool.h"

#include <condition_variable>
#include <cstring>
#include <exception>
#include <mutex>
#include <vector>

namespace velmora {

struct RowPipe::Shared {
    // A few dozen rows keep both threads busy without holding much of the picture.
    static constexpr int Slots = 64;

    Shared(int rows, qsizetype rowBytes, std::function<void(uchar*)> decode)
        : rows(rows)
        , rowBytes(rowBytes)
        , ring(size_t(rowBytes) * Slots)
        , decode(std::move(decode))
    {}

    uchar* slot(int row) { return ring.data() + size_t(row % Slots) * size_t(rowBytes); }

    bool mayDecode() const { return !decoding && !failure && produced < rows && produced - consumed < Slots; }

    // Decodes the next row into its slot with the lock let go meanwhile; false when it threw.
    bool decodeNext(std::unique_lock<std::mutex>& lock)
    {
        decoding = true;
        const int row = produced;
        lock.unlock();
        std::exception_ptr thrown;
        try {
            decode(slot(row));
        } catch (...) {
            thrown = std::current_exception();
        }
        lock.lock();
        decoding = false;
        if (thrown)
            failure = thrown;
        else
            produced = row + 1;
        changed.notify_all();
        return !thrown;
    }

    void help()
    {
        std::unique_lock lock(mutex);
        // The reader may have finished before the pool had a thread for this.
        if (closed)
            return;
        helping = true;
        while (true) {
            changed.wait(lock, [&] { return closed || failure || produced == rows || mayDecode(); });
            if (closed || failure || produced == rows)
                break;
            decodeNext(lock);
        }
        helping = false;
        changed.notify_all();
    }

    const int rows;
    const qsizetype rowBytes;
    std::vector<uchar> ring;
    std::function<void(uchar*)> decode;
    std::mutex mutex;
    std::condition_variable changed;
    int produced = 0;      // rows decoded
    int consumed = 0;      // rows the reader is finished with
    bool decoding = false; // a thread is in decode()
    bool helping = false;  // the helper runs
    bool closed = false;   // the helper must not start or go on
    std::exception_ptr failure;
};

RowPipe::RowPipe(int rows, qsizetype rowBytes, std::function<void(uchar*)> decode)
    : m_shared(std::make_shared<Shared>(rows, rowBytes, std::move(decode)))
{
    JobPool().start(
        [shared = m_shared] {
            JobThreadScope onWorker;
            shared->help();
        },
        1);
}

RowPipe::~RowPipe()
{
    Shared& shared = *m_shared;
    std::unique_lock lock(shared.mutex);
    shared.closed = true;
    shared.changed.notify_all();
    // The decoder works on the caller's data: the helper must be out of it.
    shared.changed.wait(lock, [&] { return !shared.helping; });
}

void RowPipe::read(int y, uchar* line)
{
    Shared& shared = *m_shared;
    std::unique_lock lock(shared.mutex);
    // Rows before y are not wanted.
    if (y > shared.consumed) {
        shared.consumed = y;
        shared.changed.notify_all();
    }
    while (shared.produced <= y) {
        if (shared.failure)
            std::rethrow_exception(shared.failure);
        if (shared.produced == shared.rows)
            throw std::logic_error("RowPipe: a row past the last was read");
        if (shared.mayDecode())
            shared.decodeNext(lock);
        else
            shared.changed.wait(lock,
                                [&] { return shared.produced > y || shared.failure || shared.mayDecode(); });
    }
    lock.unlock();
    std::memcpy(line, shared.slot(y), size_t(shared.rowBytes));
    lock.lock();
    shared.consumed = y + 1;
    shared.changed.notify_all();
}

void RowPipe::close()
{
    Shared& shared = *m_shared;
    std::unique_lock lock(shared.mutex);
    shared.closed = true;
    shared.changed.notify_all();
    shared.changed.wait(lock, [&] { return !shared.helping; });
    if (shared.failure)
        std::rethrow_exception(shared.failure);
}

} // namespace velmora
