#include "windows/FolderLister.h"

#include "core/PathRoutines.h"

namespace velmora {

QString FolderText(const QString& folder)
{
    QString text = folder;
    while (text.size() > 1 && text.endsWith(PathSep))
        text.chop(1);
    return text;
}

} // namespace velmora
