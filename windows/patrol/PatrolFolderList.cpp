#include "windows/patrol/PatrolFolderList.h"

#include "ui/ListBox.h"

namespace velmora {

bool AddPatrolFolder(ListBox& list, const QString& folder)
{
    if (list.entries().contains(folder))
        return false;
    list.addEntries({folder});
    return true;
}

void DeletePatrolFolder(ListBox& list)
{
    const int position = list.currentRow();
    if (position < 0 || !list.isRowSelected(position))
        return;
    list.removeEntry(position);
    if (position == 0 || list.count() == 0) {
        list.setCurrentRow(-1);
        list.clearSelection();
        return;
    }
    list.setCurrentRow(position < list.count() ? position : list.count() - 1);
}

QStringList PatrolFolders(const ListBox& list)
{
    return list.entries();
}

} // namespace velmora
