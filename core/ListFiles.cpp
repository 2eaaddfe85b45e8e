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
    return LoadListEntries(path, entries, [](const QByteArray& bytes) { return DecodeLines(bytes); });
}

namespace {

// The file's bytes when they make a list within the bounds; throws the failure to show otherwise.
qsizetype CheckedLineCount(QByteArrayView bytes, const QString& path)
{
    // Counted before the lines are made: ten million empty strings alone take hundreds of megabytes.
    const qsizetype lines = CountLines(bytes);
    if (lines > MaxListEntries)
        throw Failure(ErrorCode::OutOfMemory, TooManyEntriesText(path));
    return lines;
}

QByteArray ReadListBytes(const QString& path)
{
    QByteArray bytes = ReadWholeFile(path, MaxListFileBytes);
    CheckedLineCount(bytes, path);
    return bytes;
}

} // namespace

int LoadListEntries(const QString& path, QStringList& entries, const LineReader& readLines)
{
    QByteArray bytes;
    try {
        bytes = ReadListBytes(path);
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    entries = readLines(bytes);
    return 0;
}

int ListFileLines::load(const QString& path)
{
    // Read into pages of their own: this list is kept while the run lasts, and may be long.
    FileBytes bytes;
    qsizetype count = 0;
    try {
        bytes = ReadFileBytes(path, MaxListFileBytes);
        count = CheckedLineCount(bytes.view(), path);
    } catch (const Failure& failure) {
        ShowWarning(failure.text());
        return 1;
    }
    *this = ListFileLines();
    QByteArrayView text = bytes.view();
    if (text.startsWith("\xEF\xBB\xBF"))
        text = text.sliced(3);
    if (text.startsWith("\xEF\xBB\xBF") || !text.isValidUtf8()) {
        // Shift_JIS lists come from the Windows program, which kept them short: decoded whole.
        m_decoded = DecodeLines(bytes.view().toByteArray());
        m_count = int(m_decoded.size());
        return 0;
    }
    m_bytes = std::move(bytes);
    m_count = int(count);
    m_whole = false;
    return 0;
}

QString ListFileLines::line(int index) const
{
    if (index < 0 || index >= m_count)
        return {};
    if (m_whole)
        return m_decoded.value(index);
    LineScanner scanner(m_bytes.view());
    int at = 0;
    // Lines are asked for in order mostly: the scan goes on after the last one found.
    if (m_cursorLine > 0 && index >= m_cursorLine) {
        scanner.seek(m_cursorAt);
        at = m_cursorLine;
    }
    QByteArrayView found;
    for (; at <= index; ++at)
        scanner.next(found);
    m_cursorLine = index + 1;
    m_cursorAt = scanner.position();
    return DecodeUtf8Line(found);
}

QStringList ListFileLines::all() const
{
    if (m_whole)
        return m_decoded;
    const QByteArrayView bytes = m_bytes.view();
    return DecodeLines(QByteArray::fromRawData(bytes.data(), bytes.size()));
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
