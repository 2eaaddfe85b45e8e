#pragma once
// The editing rules of lstFolder, the patrol folder list.
#include <QString>
#include <QStringList>

class QListWidget;

namespace velmora {

// Appends folder unless an entry of exactly that text (letter case counts) is there; true when added.
bool AddPatrolFolder(QListWidget& list, const QString& folder);

// Removes the selected entry (nothing without a selection). Removing the first leaves nothing
// selected; otherwise the entry that took its place is selected, or the last one.
void DeletePatrolFolder(QListWidget& list);

// The entries, first to last.
QStringList PatrolFolders(const QListWidget& list);

} // namespace velmora
