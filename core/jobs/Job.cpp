#include "core/jobs/Job.h"

namespace velmora {

JobBase::JobBase(QObject* owner)
    : QObject(owner)
{}

JobBase::~JobBase()
{
    if (m_shared) {
        m_shared->ownerAlive = false;
        m_shared->canceled = true;
    }
    if (m_watcher)
        m_watcher->cancel();
}

void JobBase::cancel()
{
    if (!m_running)
        return;
    m_shared->canceled = true;
    m_watcher->cancel();
}

std::shared_ptr<JobShared> JobBase::beginRun()
{
    if (m_shared) {
        // The previous run's late results and posts must not reach the new one.
        m_shared->ownerAlive = false;
        m_shared->canceled = true;
    }
    if (m_watcher) {
        m_watcher->disconnect(this);
        m_watcher->cancel();
        m_watcher->deleteLater();
        m_watcher = nullptr;
    }
    m_shared = std::make_shared<JobShared>();
    m_running = true;
    return m_shared;
}

void JobBase::watch(QFutureWatcherBase* watcher)
{
    m_watcher = watcher;
    connect(watcher, &QFutureWatcherBase::progressRangeChanged, this, &JobBase::progressRangeChanged);
    connect(watcher, &QFutureWatcherBase::progressValueChanged, this, &JobBase::progressValueChanged);
}

void JobBase::endRun()
{
    m_running = false;
    Q_EMIT finished();
}

} // namespace velmora
