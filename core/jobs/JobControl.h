#pragma once
// What a job's work sees of the job: cancellation, progress, and the window thread, which it may
// ask questions and hand results to. Every call is safe from the worker thread.
#include "core/Prompt.h"

#include <atomic>
#include <functional>
#include <memory>

namespace velmora {

struct JobShared;

class JobControl final : public Prompter {
public:
    struct Progress {
        std::function<void(int, int)> range;
        std::function<void(int)> value;
        std::function<bool()> canceled;
    };
    JobControl(std::shared_ptr<JobShared> shared, Progress progress);

    bool isCanceled() const;
    void setProgressRange(int minimum, int maximum);
    void setProgressValue(int value);

    // Runs call on the window thread, later, unless the job's owner is gone by then. Never waits.
    void post(std::function<void()> call);

    // The job pauses until the window thread has asked the program's prompter. A cancelled job
    // gets the answer that gives up (Abort, Cancel, No) at once.
    Answer ask(const PromptRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

private:
    std::shared_ptr<JobShared> m_shared;
    Progress m_progress;
};

// Shared between a job's owner on the window thread and its worker.
struct JobShared {
    // Touched on the window thread only: false once the owner is destroyed.
    bool ownerAlive = true;
    // Set by the owner's cancel(); read by the worker.
    std::atomic<bool> canceled{false};
};

} // namespace velmora
