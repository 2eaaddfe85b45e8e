#pragma once
// A piece of heavy work run on the program's pool, owned by the window that started it:
//
//     m_job.start([request](JobControl& control) { return Compose(request, control); });
//     connect(&m_job, &JobBase::finished, this, [this] { show(m_job.takeOutcome()); });
//
// The work runs on a worker thread; progress and the end arrive as signals on the owner's thread.
// Failures come back as values. Questions the work asks through the usual prompt calls (Steps'
// Abort/Retry/Ignore among them) pause it while the window thread asks the user.
#include "core/Steps.h"
#include "core/jobs/JobControl.h"
#include "core/jobs/JobPool.h"
#include "core/jobs/Outcome.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>
#include <memory>

namespace velmora {

class JobBase : public QObject {
    Q_OBJECT
public:
    explicit JobBase(QObject* owner = nullptr);
    // Cancels a running job; its worker ends at its next check and nothing of it arrives here.
    ~JobBase() override;

    // Asks the running work to stop; finished() still comes, with a cancelled outcome.
    void cancel();
    bool isRunning() const { return m_running; }

Q_SIGNALS:
    void progressRangeChanged(int minimum, int maximum);
    void progressValueChanged(int value);
    void finished();

protected:
    // A fresh shared state for a new run; the previous run is cancelled and forgotten.
    std::shared_ptr<JobShared> beginRun();
    void watch(QFutureWatcherBase* watcher);
    void endRun();

private:
    std::shared_ptr<JobShared> m_shared;
    QFutureWatcherBase* m_watcher = nullptr;
    bool m_running = false;
};

template <class T> class Job final : public JobBase {
public:
    using Work = std::function<T(JobControl&)>;
    using JobBase::JobBase;

    void start(Work work)
    {
        const std::shared_ptr<JobShared> shared = beginRun();
        m_outcome = {};
        auto* watcher = new QFutureWatcher<Outcome<T>>(this);
        connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
            QFuture<Outcome<T>> future = watcher->future();
            // Taken rather than copied: pictures left in the future would be copied at their next write.
            if (future.resultCount() > 0)
                m_outcome = future.takeResult();
            else
                m_outcome.canceled = true;
            endRun();
        });
        watch(watcher);
        watcher->setFuture(QtConcurrent::run(
            &JobPool(), [shared, work = std::move(work)](QPromise<Outcome<T>>& promise) {
                JobThreadScope onWorker;
                JobControl control(shared, {[&promise](int minimum, int maximum) {
                                                promise.setProgressRange(minimum, maximum);
                                            },
                                            [&promise](int value) { promise.setProgressValue(value); },
                                            [&promise] { return promise.isCanceled(); }});
                ThreadPrompterScope prompts(control);
                Outcome<T> outcome;
                try {
                    outcome.value = work(control);
                } catch (...) {
                    outcome.failure = CurrentFailure();
                }
                outcome.canceled = control.isCanceled();
                promise.addResult(std::move(outcome));
            }));
    }

    const Outcome<T>& outcome() const { return m_outcome; }
    Outcome<T> takeOutcome() { return std::exchange(m_outcome, Outcome<T>{}); }

private:
    Outcome<T> m_outcome;
};

} // namespace velmora
