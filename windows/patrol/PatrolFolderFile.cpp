#include "windows/patrol/PatrolFolderFile.h"

#include "core/ListFiles.h"
#include "core/PathRoutines.h"
#include "core/TextLines.h"

namespace velmora {

QString PatrolFolderFilePath(const QString& programFolder)
{
    return AddPathSep(programFolder) + QString::fromUtf16(PatrolFolderFileName);
}

QStringList ReadPatrolFolders(const QByteArray& bytes)
{
    // A file edited by hand on this system ends its lines with LF alone: a line end too.
    QString text = DecodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\r"));
    text.replace(u'\n', u'\r');
    return SplitLines(text);
}

int LoadPatrolFolders(const QString& path, QStringList& folders)
{
    return LoadListEntries(path, folders, ReadPatrolFolders);
}

int SavePatrolFolders(const QString& path, const QStringList& folders)
{
    return SaveListEntries(path, folders);
}

} // namespace velmora
