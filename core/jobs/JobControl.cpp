#include "core/jobs/JobControl.h"

#include "core/jobs/JobPool.h"

#include <QCoreApplication>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace velmora {
namespace {

// One question on its way to the window thread and back.
template <class T> struct Pending {
    std::mutex mutex;
    std::condition_variable answered;
    std::optional<T> answer;

    void give(T value)
    {
        {
            const std::lock_guard lock(mutex);
            answer = std::move(value);
        }
        answered.notify_all();
    }
};

// Waits for the window thread's answer, giving the pool's thread back meanwhile so that other
// jobs go on while the user thinks.
template <class T> std::optional<T> await(Pending<T>& pending, const std::function<bool()>& canceled)
{
    const bool pooled = OnJobThread();
    if (pooled)
        JobPool().releaseThread();
    std::optional<T> answer;
    {
        std::unique_lock lock(pending.mutex);
        while (!pending.answer && !canceled())
            pending.answered.wait_for(lock, std::chrono::milliseconds(50));
        answer = pending.answer;
    }
    if (pooled)
        JobPool().reserveThread();
    return answer;
}

Answer givingUp(PromptKind kind)
{
    switch (kind) {
    case PromptKind::AbortRetryIgnore: return Answer::Abort;
    case PromptKind::YesNo: return Answer::No;
    case PromptKind::OkCancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

} // namespace

JobControl::JobControl(std::shared_ptr<JobShared> shared, Progress progress)
    : m_shared(std::move(shared))
    , m_progress(std::move(progress))
{}

bool JobControl::isCanceled() const
{
    return m_shared->canceled.load() || (m_progress.canceled && m_progress.canceled());
}

void JobControl::setProgressRange(int minimum, int maximum)
{
    if (m_progress.range)
        m_progress.range(minimum, maximum);
}

void JobControl::setProgressValue(int value)
{
    if (m_progress.value)
        m_progress.value(value);
}

void JobControl::post(std::function<void()> call)
{
    // The application object outlives every window, so the call is never lost in a deleted
    // receiver; the owner's state says whether it still wants it.
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [shared = m_shared, call = std::move(call)] {
            if (shared->ownerAlive)
                call();
        },
        Qt::QueuedConnection);
}

Answer JobControl::ask(const PromptRequest& request)
{
    if (isCanceled())
        return givingUp(request.kind);
    auto pending = std::make_shared<Pending<Answer>>();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [shared = m_shared, pending, request] {
            pending->give(shared->ownerAlive && !shared->canceled ? CurrentPrompter().ask(request)
                                                                   : givingUp(request.kind));
        },
        Qt::QueuedConnection);
    const std::optional<Answer> answer = await(*pending, [this] { return isCanceled(); });
    return answer ? *answer : givingUp(request.kind);
}

std::optional<QString> JobControl::askText(const TextRequest& request)
{
    if (isCanceled())
        return std::nullopt;
    auto pending = std::make_shared<Pending<std::optional<QString>>>();
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [shared = m_shared, pending, request] {
            pending->give(shared->ownerAlive && !shared->canceled ? CurrentPrompter().askText(request)
                                                                   : std::nullopt);
        },
        Qt::QueuedConnection);
    const auto answer = await(*pending, [this] { return isCanceled(); });
    return answer ? *answer : std::nullopt;
}

} // namespace velmora
