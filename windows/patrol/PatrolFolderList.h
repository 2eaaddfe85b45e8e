#pragma once
// The editing rules of lstFolder, the patrol folder list.
#include <QString>
#include <QStringList>

namespace velmora {

class ListBox;

// Appends folder unless an entry of exactly that text (letter case counts) is there; true when added.
bool AddPatrolFolder(ListBox& list, const QString& folder);

// Removes the selected entry (nothing without a selection). Removing the first leaves nothing
// selected; otherwise the entry that took its place is selected, or the last one.
void DeletePatrolFolder(ListBox& list);

// The entries, first to last.
QStringList PatrolFolders(const ListBox& list);

} // namespace velmora
