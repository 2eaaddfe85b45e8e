#pragma once
// Questions about paths that the program asks the file system directly, without Qt's caches.
#include <QString>

namespace velmora::platform {

// True when something (a file, a folder, even a dangling link) has this name.
bool PathExists(const QString& path);

// True when path is a folder the program may enter (search permission), following links.
bool IsEnterableFolder(const QString& path);

} // namespace velmora::platform
