#include "engine/DecodeBudget.h"

#include "core/jobs/JobPool.h"

#include <algorithm>
#include <utility>

namespace velmora {

DecodeBudget::DecodeBudget(qint64 limit)
    : m_limit(limit)
{}

DecodeBudget::Share DecodeBudget::take(qint64 bytes)
{
    bytes = std::max<qint64>(bytes, 0);
    std::unique_lock lock(m_mutex);
    const quint64 ticket = m_nextTicket++;
    const auto mayHold = [&] { return ticket == m_serving && (m_shares == 0 || m_held + bytes <= m_limit); };
    if (!mayHold()) {
        const bool pooled = OnJobThread();
        if (pooled)
            JobPool().releaseThread();
        m_changed.wait(lock, mayHold);
        if (pooled) {
            lock.unlock();
            JobPool().reserveThread();
            lock.lock();
        }
    }
    ++m_serving;
    m_held += bytes;
    ++m_shares;
    m_peakBytes = std::max(m_peakBytes, m_held);
    m_peakShares = std::max(m_peakShares, m_shares);
    lock.unlock();
    // The next in line may fit beside this one.
    m_changed.notify_all();
    return Share(this, bytes);
}

void DecodeBudget::give(qint64 bytes)
{
    {
        const std::lock_guard lock(m_mutex);
        m_held -= bytes;
        --m_shares;
    }
    m_changed.notify_all();
}

qint64 DecodeBudget::peakBytes() const
{
    const std::lock_guard lock(m_mutex);
    return m_peakBytes;
}

int DecodeBudget::peakShares() const
{
    const std::lock_guard lock(m_mutex);
    return m_peakShares;
}

int DecodeBudget::waiting() const
{
    const std::lock_guard lock(m_mutex);
    return int(m_nextTicket - m_serving);
}

DecodeBudget::Share::Share(DecodeBudget* budget, qint64 bytes)
    : m_budget(budget)
    , m_bytes(bytes)
{}

DecodeBudget::Share::Share(Share&& other) noexcept
    : m_budget(std::exchange(other.m_budget, nullptr))
    , m_bytes(std::exchange(other.m_bytes, 0))
{}

DecodeBudget::Share& DecodeBudget::Share::operator=(Share&& other) noexcept
{
    if (this != &other) {
        release();
        m_budget = std::exchange(other.m_budget, nullptr);
        m_bytes = std::exchange(other.m_bytes, 0);
    }
    return *this;
}

DecodeBudget::Share::~Share()
{
    release();
}

void DecodeBudget::Share::release()
{
    if (m_budget)
        std::exchange(m_budget, nullptr)->give(m_bytes);
    m_bytes = 0;
}

} // namespace velmora
