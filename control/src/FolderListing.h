#pragma once
// The sub-folders of a folder, as one plain directory listing returns them.
#include <QString>
#include <QStringList>

namespace branchwise {

// Names of the sub-folders of folder in the order the file system returns them. Hidden folders
// count like any other; "." and ".." do not, nor an entry named "pagefile.sys"; links to folders
// count as folders. A folder that cannot be listed yields nothing. With stopAtFirst the listing ends
// at the first sub-folder. The listing is closed before the function returns.
QStringList ListSubfolders(const QString& folder, bool stopAtFirst = false);

// A child's path: folder joined with name by one "/".
QString JoinPath(const QString& folder, const QString& name);

// The folder string the control publishes: the path with one "/" at its end.
QString AddSeparator(const QString& path);

} // namespace branchwise
