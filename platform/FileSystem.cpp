#include "platform/FileSystem.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {

bool PathExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    struct stat info {};
    return ::lstat(QFile::encodeName(path).constData(), &info) == 0;
}

bool IsEnterableFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QByteArray native = QFile::encodeName(path);
    struct stat info {};
    // Entering a folder needs search permission, which is what chdir would test.
    return ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(native.constData(), X_OK) == 0;
}

} // namespace velmora::platform
