#pragma once
// Memory that decodes running on several threads may hold at once. A decode takes a share of the
// bytes its pixels will need before it starts, in the order the shares were asked for, and waits
// while the others hold too much; a share asked for when nothing is held is always given, however
// large, so that the largest picture allowed still decodes (alone). A thread holds one share at a time.
#include <QtGlobal>

#include <condition_variable>
#include <mutex>

namespace velmora {

class DecodeBudget {
public:
    explicit DecodeBudget(qint64 limit);
    DecodeBudget(const DecodeBudget&) = delete;
    DecodeBudget& operator=(const DecodeBudget&) = delete;

    class Share {
    public:
        Share() = default;
        Share(Share&& other) noexcept;
        Share& operator=(Share&& other) noexcept;
        ~Share();
        qint64 bytes() const { return m_bytes; }

    private:
        friend class DecodeBudget;
        Share(DecodeBudget* budget, qint64 bytes);
        void release();

        DecodeBudget* m_budget = nullptr;
        qint64 m_bytes = 0;
    };

    // Waits until the bytes may be held; a thread of the job pool gives its place in the pool back
    // meanwhile, so that other work goes on.
    [[nodiscard]] Share take(qint64 bytes);

    qint64 limit() const { return m_limit; }
    // The most held at once so far, in bytes and in shares.
    qint64 peakBytes() const;
    int peakShares() const;
    // Shares asked for and not yet given.
    int waiting() const;

private:
    void give(qint64 bytes);

    const qint64 m_limit;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    quint64 m_nextTicket = 0;
    quint64 m_serving = 0;
    qint64 m_held = 0;
    int m_shares = 0;
    qint64 m_peakBytes = 0;
    int m_peakShares = 0;
};

} // namespace velmora
