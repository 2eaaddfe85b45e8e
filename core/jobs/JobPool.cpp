#include "core/jobs/JobPool.h"

#include <algorithm>

namespace velmora {
namespace {

thread_local bool onJobThread = false;

} // namespace

QThreadPool& JobPool()
{
    static QThreadPool* pool = [] {
        auto* created = new QThreadPool;
        created->setObjectName(QStringLiteral("VelmoraJobs"));
        // One thread a core; a job that waits for the user gives its thread back meanwhile.
        created->setMaxThreadCount(std::max(2, QThread::idealThreadCount()));
        created->setExpiryTimeout(30000);
        return created;
    }();
    return *pool;
}

bool OnJobThread()
{
    return onJobThread;
}

JobThreadScope::JobThreadScope()
    : m_previous(onJobThread)
{
    onJobThread = true;
}

JobThreadScope::~JobThreadScope()
{
    onJobThread = m_previous;
}

} // namespace velmora
