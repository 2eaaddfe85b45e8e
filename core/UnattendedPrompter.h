#pragma once
// The prompter of a run nobody watches ("-s", from a timer or at login): every message goes to
// standard error and every question gets the answer that changes nothing, so the run never waits.
#include "core/Prompt.h"

#include <atomic>
#include <cstdio>

namespace velmora {

class UnattendedPrompter final : public Prompter {
public:
    explicit UnattendedPrompter(std::FILE* out = stderr)
        : m_out(out)
    {}
    Answer ask(const PromptRequest& request) override;
    std::optional<QString> askText(const TextRequest& request) override;

    // True once a failure was reported or a question went unanswered: the run then ends non-zero.
    bool reported() const { return m_reported; }

private:
    void write(const QString& text);

    std::FILE* m_out;
    std::atomic<bool> m_reported{false};
};

} // namespace velmora
