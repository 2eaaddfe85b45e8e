#pragma once
// The order in which the patrol and the search take the files and sub-folders of a folder.
#include <QStringList>

namespace velmora {

// Name order as the program's lists show names: letter case ignored, ties by the exact text, so the
// order does not depend on the order the file system lists them in.
void SortByName(QStringList& names);

} // namespace velmora
