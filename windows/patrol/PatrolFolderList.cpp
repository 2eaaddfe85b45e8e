#include "windows/patrol/PatrolFolderList.h"

#include <QListWidget>

namespace velmora {

bool AddPatrolFolder(QListWidget& list, const QString& folder)
{
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text() == folder)
            return false;
    list.addItem(folder);
    return true;
}

void DeletePatrolFolder(QListWidget& list)
{
    const QListWidgetItem* current = list.currentItem();
    if (!current || !current->isSelected())
        return;
    const int position = list.row(current);
    delete list.takeItem(position);
    if (position == 0 || list.count() == 0) {
        list.setCurrentRow(-1);
        list.clearSelection();
        return;
    }
    list.setCurrentRow(position < list.count() ? position : list.count() - 1);
}

QStringList PatrolFolders(const QListWidget& list)
{
    QStringList folders;
    folders.reserve(list.count());
    for (int i = 0; i < list.count(); ++i)
        folders.append(list.item(i)->text());
    return folders;
}

} // namespace velmora
