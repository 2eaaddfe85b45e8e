#pragma once
// A routine written as steps under the uniform error handler:
//
//     Steps steps;
//     steps([&] { ApplyEffects(); })
//          ([&] { AutoTile(); })
//          ([&] { SaveWallpaper(); });
//     if (steps.left())
//         return;
//
// When a step throws, the handler decides: Retry runs the same step again, Continue goes on with
// the next step, Leave skips every remaining step (the routine is left).
#include "core/Failure.h"

#include <functional>

namespace velmora {

enum class Recovery { Retry, Continue, Leave };
using FailureHandler = std::function<Recovery(const Failure&)>;

// The uniform handler: the failure's text with Abort, Retry and Ignore.
Recovery AskUser(const Failure& failure);
// The failure's text with OK only, then the next step.
Recovery WarnAndContinue(const Failure& failure);
// The next step, without a word.
Recovery ContinueSilently(const Failure& failure);

// The exception being handled, as a Failure (only valid inside a catch block).
Failure CurrentFailure();

class Steps {
public:
    explicit Steps(FailureHandler handler = AskUser)
        : m_handler(std::move(handler))
    {}

    template <class Step> Steps& operator()(Step&& step)
    {
        while (!m_left) {
            try {
                step();
                return *this;
            } catch (...) {
                if (!recover(CurrentFailure()))
                    return *this;
            }
        }
        return *this;
    }

    // True once a handler chose to leave: later steps did not run.
    bool left() const { return m_left; }
    // True when any step failed, whatever the handler chose.
    bool failed() const { return m_failures > 0; }

private:
    // True when the step should run again.
    bool recover(const Failure& failure);

    FailureHandler m_handler;
    bool m_left = false;
    int m_failures = 0;
};

} // namespace velmora
