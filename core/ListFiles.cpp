#include "core/ListFiles.h"

#include "core/Failure.h"
#include "core/Prompt.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"

#include <QFile>

#include <cerrno>

namespace velmora {

int LoadListEntries(const QString& path, QStringList& entries)
{
    return LoadListEntries(path, entries,
                           [](const QByteArray& bytes) { return SplitLines(DecodeText(bytes)); });
}

int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines)
{
    QStringList lines;
    try {
        lines = readLines(ReadWholeFile(path));
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    if (lines.size() > MaxListEntries) {
        ShowWarning(
            QStringLiteral(
                "リストの項目が多すぎます。\n%1 の %2 項目のうち、先頭の %3 項目だけを読み込みました。\n"
                "このリストを保存すると、読み込まなかった項目はファイルから失われます。")
                .arg(path)
                .arg(lines.size())
                .arg(MaxListEntries));
        lines.resize(MaxListEntries);
    }
    entries = std::move(lines);
    return 0;
}

int SaveListEntries(const QString& path, const QStringList& entries)
{
    // A line break inside an entry would read back as two entries; Linux file names may hold one.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].contains(u'\n') || entries[i].contains(u'\r')) {
            ShowWarning(QStringLiteral("改行を含む項目はリストに保存できません。\n%1 行目: %2\n%3")
                            .arg(i + 1)
                            .arg(QString(entries[i]).replace(u'\r', u' ').replace(u'\n', u' '))
                            .arg(path));
            return 1;
        }
    }
    try {
        WriteLinesFile(path, entries);
        return 0;
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
}

int CreateEmptyListFile(const QString& path)
{
    QFile file(path);
    errno = 0;
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return 0;
    if (errno == EEXIST || platform::PathExists(path))
        ShowWarning(QStringLiteral("すでに存在するファイル名です\n%1").arg(path));
    else
        ShowWarning(Failure::fromFile(file, path).text());
    return 1;
}

} // namespace velmora
