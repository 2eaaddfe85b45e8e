#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace velmora::platform {

bool MoveToTrash(const QString& path, QString* error)
{
    QFile file(path);
    if (file.moveToTrash())
        return true;
    if (error)
        *error = file.errorString();
    return false;
}

bool DeletePermanently(const QString& path, QString* error)
{
    const QFileInfo info(path);
    bool ok = false;
    if (info.isDir() && !info.isSymLink()) {
        ok = QDir(path).removeRecursively();
        if (!ok && error)
            *error = QStringLiteral("Cannot remove the folder");
        return ok;
    }
    QFile file(path);
    ok = file.remove();
    if (!ok && error)
        *error = file.errorString();
    return ok;
}

bool OpenWithDesktop(const QString& fileOrAddress)
{
    const QUrl url = QUrl::fromUserInput(fileOrAddress, QDir::currentPath(), QUrl::AssumeLocalFile);
    return url.isValid() && QDesktopServices::openUrl(url);
}

} // namespace velmora::platform
