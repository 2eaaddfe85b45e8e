#include "mainwindow/MainLoadHandler.h"

#include "core/Prompt.h"

#include <QCoreApplication>

namespace velmora {

Recovery LoadFailureHandler(const Failure& failure)
{
    switch (failure.code()) {
    case ErrorCode::IndexOutOfBounds:
    case ErrorCode::ElementNotFound: break;
    case ErrorCode::InvalidPropertyArrayIndex:
        ShowWarning(QCoreApplication::translate("MainLoadHandler", "データファイルが見つかりません"));
        break;
    default: ShowWarning(failure.text()); break;
    }
    return Recovery::Continue;
}

} // namespace velmora
