#include "mainwindow/MainLoadHandler.h"

#include "core/Prompt.h"

namespace velmora {

Recovery LoadFailureHandler(const Failure& failure)
{
    switch (failure.code()) {
    case ErrorCode::IndexOutOfBounds:
    case ErrorCode::ElementNotFound: break;
    case ErrorCode::InvalidPropertyArrayIndex:
        ShowWarning(QStringLiteral("データファイルが見つかりません"));
        break;
    default: ShowWarning(failure.text()); break;
    }
    return Recovery::Continue;
}

} // namespace velmora
