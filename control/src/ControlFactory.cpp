#include "branchwise/ControlFactory.h"

#include "branchwise/BranchwiseBase.h"

namespace branchwise {

QWidget* CreateControl(const QString& progId, QWidget* parent)
{
    if (progId.compare(QLatin1String(BranchwiseBaseProgId), Qt::CaseInsensitive) == 0)
        return new BranchwiseBase(parent);
    return nullptr;
}

QStringList RegisteredControls()
{
    return {QString::fromLatin1(BranchwiseBaseProgId)};
}

QString LibraryVersion()
{
    return QStringLiteral(BRANCHWISE_VERSION_TEXT);
}

} // namespace branchwise
