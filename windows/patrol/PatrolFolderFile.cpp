#include "windows/patrol/PatrolFolderFile.h"

#include "core/Failure.h"
#include "core/ListFiles.h"
#include "core/PathRoutines.h"
#include "core/Prompt.h"
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
    QStringList lines;
    try {
        lines = ReadPatrolFolders(ReadWholeFile(path));
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    if (lines.size() > MaxListEntries) {
        ShowWarning(QStringLiteral(
                        "巡回先フォルダが多すぎます。\n%1 の %2 行のうち、先頭の %3 行だけを読み込みました。")
                        .arg(path)
                        .arg(lines.size())
                        .arg(MaxListEntries));
        lines.resize(MaxListEntries);
    }
    folders = std::move(lines);
    return 0;
}

int SavePatrolFolders(const QString& path, const QStringList& folders)
{
    return SaveListEntries(path, folders);
}

} // namespace velmora
