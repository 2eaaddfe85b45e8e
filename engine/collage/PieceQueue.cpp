#include "engine/collage/PieceQueue.h"

#include "core/Steps.h"
#include "core/jobs/JobPool.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace velmora {

struct PieceQueue::Piece {
    enum class State { Waiting, Rendering, Done, Dropped };
    Render render;
    qint64 bytes = 0;
    State state = State::Waiting;
    Rendered result;
};

// Shared with the pool's tasks, which may run after the queue is gone; they then find nothing to do.
struct PieceQueue::Shared {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<std::shared_ptr<Piece>> waiting; // queued and not yet taken by any thread

    // Takes the first waiting piece, or none.
    std::shared_ptr<Piece> claim()
    {
        if (waiting.empty())
            return nullptr;
        std::shared_ptr<Piece> piece = std::move(waiting.front());
        waiting.pop_front();
        piece->state = Piece::State::Rendering;
        return piece;
    }

    void render(const std::shared_ptr<Piece>& piece)
    {
        Rendered result;
        try {
            result.image = piece->render();
        } catch (...) {
            result.failure = CurrentFailure();
        }
        const std::lock_guard lock(mutex);
        if (piece->state != Piece::State::Dropped) {
            piece->result = std::move(result);
            piece->state = Piece::State::Done;
        }
        piece->render = nullptr;
        changed.notify_all();
    }
};

PieceQueue::PieceQueue(int maxAhead, qint64 maxBytes)
    : m_shared(std::make_shared<Shared>())
    , m_maxAhead(std::max(1, maxAhead))
    , m_maxBytes(maxBytes)
{}

PieceQueue::~PieceQueue()
{
    clear();
}

bool PieceQueue::hasRoom() const
{
    return m_pieces.empty() || (int(m_pieces.size()) < m_maxAhead && m_bytes < m_maxBytes);
}

void PieceQueue::push(Render render, qint64 bytes)
{
    auto piece = std::make_shared<Piece>();
    piece->render = std::move(render);
    piece->bytes = bytes;
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->waiting.push_back(piece);
    }
    m_pieces.push_back(piece);
    m_bytes += bytes;
    JobPool().start([shared = m_shared] {
        JobThreadScope onWorker;
        std::shared_ptr<Piece> piece;
        {
            const std::lock_guard lock(shared->mutex);
            piece = shared->claim();
        }
        if (piece)
            shared->render(piece);
    });
}

PieceQueue::Rendered PieceQueue::takeFirst()
{
    const std::shared_ptr<Piece> first = m_pieces.front();
    std::unique_lock lock(m_shared->mutex);
    while (first->state != Piece::State::Done) {
        // The first piece itself if no one has taken it yet, else the next waiting one: the
        // caller's thread renders rather than waits.
        std::shared_ptr<Piece> piece;
        if (first->state == Piece::State::Waiting) {
            std::erase(m_shared->waiting, first);
            first->state = Piece::State::Rendering;
            piece = first;
        } else {
            piece = m_shared->claim();
        }
        if (!piece) {
            m_shared->changed.wait(lock);
            continue;
        }
        lock.unlock();
        m_shared->render(piece);
        lock.lock();
    }
    Rendered result = std::move(first->result);
    lock.unlock();
    m_pieces.pop_front();
    m_bytes -= first->bytes;
    return result;
}

void PieceQueue::clear()
{
    {
        const std::lock_guard lock(m_shared->mutex);
        for (const std::shared_ptr<Piece>& piece : m_pieces) {
            piece->state = Piece::State::Dropped;
            piece->result = {};
        }
        m_shared->waiting.clear();
    }
    m_pieces.clear();
    m_bytes = 0;
}

} // namespace velmora
