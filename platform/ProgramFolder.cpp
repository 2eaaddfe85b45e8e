#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace velmora::platform {
namespace {

QString withSeparator(QString folder)
{
    if (!folder.endsWith(u'/'))
        folder += u'/';
    return folder;
}

QString& overridden()
{
    static QString folder;
    return folder;
}

bool isWritableFolder(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    return !folder.isEmpty() && QFileInfo(folder).isDir() && ::access(native.constData(), W_OK | X_OK) == 0;
}

// An installed program has its menu entry installed beside it, in <prefix>/share/applications.
// Its folder may still be writable (an administrator, an install under the home folder), but the
// user's files do not belong among the installed ones.
bool isInstalledProgram(const QString& executableFolder)
{
    return QFileInfo::exists(executableFolder + QStringLiteral("/../share/applications/velmora.desktop"));
}

} // namespace

QString ResolveProgramFolder(const QString& executableFolder, const QString& dataHome, const QString& home)
{
    if (isWritableFolder(executableFolder) && !isInstalledProgram(executableFolder))
        return withSeparator(QDir::cleanPath(executableFolder));
    const QString base = dataHome.isEmpty() ? home + QStringLiteral("/.local/share") : dataHome;
    const QString folder = QDir::cleanPath(base + QStringLiteral("/velmora"));
    QDir().mkpath(folder);
    return withSeparator(folder);
}

QString ProgramFolder()
{
    if (!overridden().isEmpty())
        return overridden();
    static const QString resolved = ResolveProgramFolder(
        QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_HOME"), QDir::homePath());
    return resolved;
}

void OverrideProgramFolder(const QString& folder)
{
    overridden() = folder.isEmpty() ? QString() : withSeparator(folder);
}

QStringList DocumentationFoldersFor(const QString& programFolder, const QString& executableFolder)
{
    QStringList folders{withSeparator(programFolder)};
    // An installed program finds its documents under <prefix>/share/doc/velmora.
    const QString installed = withSeparator(
        QDir::cleanPath(QDir(executableFolder).absoluteFilePath(QStringLiteral("../share/doc/velmora"))));
    if (!folders.contains(installed))
        folders << installed;
    return folders;
}

QStringList DocumentationFolders()
{
    return DocumentationFoldersFor(ProgramFolder(), QCoreApplication::applicationDirPath());
}

} // namespace velmora::platform
