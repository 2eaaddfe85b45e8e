#include "windows/NameOrder.h"

#include <algorithm>

namespace velmora {

void SortByName(QStringList& names)
{
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int loose = a.compare(b, Qt::CaseInsensitive);
        return loose != 0 ? loose < 0 : a < b;
    });
}

} // namespace velmora
