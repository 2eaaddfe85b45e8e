#include "core/Steps.h"

#include "core/Prompt.h"

#include <new>

namespace velmora {

Recovery AskUser(const Failure& failure)
{
    switch (AskAbortRetryIgnore(failure.text())) {
    case Answer::Retry: return Recovery::Retry;
    case Answer::Ignore: return Recovery::Continue;
    default: return Recovery::Leave;
    }
}

Recovery WarnAndContinue(const Failure& failure)
{
    ShowWarning(failure.text());
    return Recovery::Continue;
}

Recovery ContinueSilently(const Failure&)
{
    return Recovery::Continue;
}

Failure CurrentFailure()
{
    try {
        throw;
    } catch (const Failure& failure) {
        return failure;
    } catch (const std::bad_alloc&) {
        return Failure(ErrorCode::OutOfMemory, Failure::standardText(ErrorCode::OutOfMemory));
    } catch (const std::exception& other) {
        return Failure(ErrorCode::InvalidCall, QString::fromLocal8Bit(other.what()));
    } catch (...) {
        return Failure(ErrorCode::InvalidCall, Failure::standardText(ErrorCode::InvalidCall));
    }
}

bool Steps::recover(const Failure& failure)
{
    ++m_failures;
    switch (m_handler(failure)) {
    case Recovery::Retry: return true;
    case Recovery::Continue: return false;
    case Recovery::Leave: m_left = true; return false;
    }
    return false;
}

} // namespace velmora
