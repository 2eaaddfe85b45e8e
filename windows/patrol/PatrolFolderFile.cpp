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
    return SplitLines(DecodeText(bytes));
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
