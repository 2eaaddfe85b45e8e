#include "platform/DesktopShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace velmora::platform {

bool MoveToTrash(const QString& path, QString* error)
{
    // Without the user's data folder (a fresh account has no ~/.local/share) Qt makes no trash there
    // and falls back to "files" and "info" in the working folder, reporting success.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!data.isEmpty())
        QDir().mkpath(data);
    QFile file(path);
    if (!file.moveToTrash()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (QFileInfo(file.fileName()).isRelative()) {
        // Put back what went to no trash at all; the caller offers to delete it instead.
        QFile::rename(file.fileName(), path);
        QFile::remove(QStringLiteral("info/%1.trashinfo").arg(QFileInfo(file.fileName()).fileName()));
        if (error)
            *error = QStringLiteral("No trash folder could be made");
        return false;
    }
    return true;
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
