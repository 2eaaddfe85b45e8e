#pragma once
// Pieces rendered ahead on the job pool, several at once, and handed back in the order they were
// queued. The queue is bounded by count and by memory; while the caller waits for the first piece
// it renders queued ones itself, so it never waits for a pool thread to become free.
#include "core/Failure.h"

#include <QImage>

#include <deque>
#include <functional>
#include <memory>
#include <optional>

namespace velmora {

class PieceQueue {
public:
    // Runs on any thread; throws a Failure.
    using Render = std::function<QImage()>;
    struct Rendered {
        QImage image;
        std::optional<Failure> failure;
    };

    PieceQueue(int maxAhead, qint64 maxBytes);
    // Drops what is queued; renders still running finish in the background and are dropped.
    ~PieceQueue();
    PieceQueue(const PieceQueue&) = delete;
    PieceQueue& operator=(const PieceQueue&) = delete;

    // Another piece may be queued: fewer than maxAhead, and less than maxBytes expected (one
    // piece is always allowed, however large).
    bool hasRoom() const;
    bool empty() const { return m_pieces.empty(); }
    // Queues a piece expected to take `bytes` until it is taken, and starts rendering it on the pool.
    void push(Render render, qint64 bytes);
    // The first piece, once rendered.
    Rendered takeFirst();
    void clear();

private:
    struct Piece;
    struct Shared;

    std::shared_ptr<Shared> m_shared;
    std::deque<std::shared_ptr<Piece>> m_pieces;
    int m_maxAhead;
    qint64 m_maxBytes;
    qint64 m_bytes = 0;
};

} // namespace velmora
