#include "windows/search/SearchBatcher.h"

namespace velmora {

SearchBatcher::SearchBatcher(std::function<void(SearchBatch)> deliver, qsizetype maxFinds, qint64 intervalMs)
    : m_deliver(std::move(deliver))
    , m_maxFinds(maxFinds)
    , m_intervalMs(intervalMs)
{
    m_sinceLast.start();
}

void SearchBatcher::addFinds(const QStringList& finds)
{
    m_pending.finds.append(finds);
    flushWhenDue();
}

void SearchBatcher::addUnreadable(const UnreadableFolder& folder)
{
    m_pending.unreadable.append(folder);
    flushWhenDue();
}

void SearchBatcher::flushWhenDue()
{
    if (m_pending.finds.size() >= m_maxFinds || m_sinceLast.elapsed() >= m_intervalMs)
        flush();
}

void SearchBatcher::flush()
{
    m_sinceLast.restart();
    if (m_pending.finds.isEmpty() && m_pending.unreadable.isEmpty())
        return;
    m_deliver(std::exchange(m_pending, SearchBatch{}));
}

} // namespace velmora
