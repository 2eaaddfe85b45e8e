#pragma once
// Gathers what the search walk hands on and passes it to the window in batches: often enough that
// the list grows while the user watches, seldom enough that the window thread is not flooded.
#include "windows/search/FolderSearch.h"

#include <QElapsedTimer>

#include <functional>

namespace velmora {

struct SearchBatch {
    QStringList finds;
    QList<UnreadableFolder> unreadable;
};

class SearchBatcher {
public:
    // A batch goes out when maxFinds finds are waiting or intervalMs have passed since the last one.
    explicit SearchBatcher(std::function<void(SearchBatch)> deliver, qsizetype maxFinds = 4096,
                           qint64 intervalMs = 40);

    void addFinds(const QStringList& finds);
    void addUnreadable(const UnreadableFolder& folder);
    // Called as the walk goes on, so that finds do not wait for the next find to go out.
    void flushWhenDue();
    // Hands on whatever is waiting; nothing when nothing is.
    void flush();

private:
    std::function<void(SearchBatch)> m_deliver;
    qsizetype m_maxFinds;
    qint64 m_intervalMs;
    QElapsedTimer m_sinceLast;
    SearchBatch m_pending;
};

} // namespace velmora
