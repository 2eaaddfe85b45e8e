#include "core/ListFiles.h"

#include "core/Failure.h"
#include "core/Prompt.h"
#include "core/TextLines.h"
#include "platform/FileSystem.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <cerrno>

namespace velmora {

int LoadListEntries(const QString& path, QStringList& entries)
{
    return LoadListEntries(path, entries,
                           [](const QByteArray& bytes) { return SplitLines(DecodeText(bytes)); });
}

int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines)
{
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(path, MaxListFileBytes);
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    // Counted before the lines are made: ten million empty strings alone take hundreds of megabytes.
    if (CountLines(bytes) > MaxListEntries) {
        ShowWarning(TooManyEntriesText(path));
        return 1;
    }
    entries = readLines(bytes);
    return 0;
}

QString TooManyEntriesText(const QString& path)
{
    return QCoreApplication::translate("ListFiles",
                                       "リストの項目が多すぎます (%1 項目を超えています)。\n"
                                       "このリストは読み込まず、ファイルはそのまま残します。\n%2")
        .arg(EntryCountText(MaxListEntries), path);
}

QString EntryCountText(qint64 count)
{
    return QLocale(QLocale::English).toString(count);
}

int SaveListEntries(const QString& path, const QStringList& entries)
{
    // A line break inside an entry would read back as two entries; Linux file names may hold one.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        if (entries[i].contains(u'\n') || entries[i].contains(u'\r')) {
            ShowWarning(QCoreApplication::translate(
                            "ListFiles", "改行を含む項目はリストに保存できません。\n%1 行目: %2\n%3")
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
        ShowWarning(QCoreApplication::translate("ListFiles", "すでに存在するファイル名です\n%1").arg(path));
    else
        ShowWarning(Failure::fromFile(file, path).text());
    return 1;
}

} // namespace velmora
