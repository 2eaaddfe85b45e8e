#include "core/TextLines.h"

#include "core/Failure.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>

namespace velmora {
namespace {

Failure tooLarge(const QString& path, qint64 maxBytes)
{
    return Failure(
        ErrorCode::OutOfMemory,
        QStringLiteral("ファイルが大きすぎます (%1 MB を超えています)。\n%2").arg(maxBytes >> 20).arg(path));
}

void openForReading(QFile& file, const QString& path)
{
    if (QFileInfo(path).isDir())
        throw Failure(ErrorCode::PathFileAccess,
                      QStringLiteral("%1\n%2").arg(QStringLiteral("ファイルではなくフォルダーです。"), path));
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::fromFile(file, path, FileAccess::Read);
}

} // namespace

QString DecodeText(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(view);
    if (!utf8.hasError())
        return text;
    QStringDecoder shiftJis("Shift_JIS");
    if (shiftJis.isValid())
        return shiftJis.decode(view);
    return QString::fromUtf8(view); // replacement characters rather than nothing
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    const qsizetype size = text.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end == size)
            break;
        start = end + 1;
        if (text[end] == u'\r' && start < size && text[start] == u'\n')
            ++start;
    }
    return lines;
}

QByteArray EncodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QByteArray ReadFileStart(const QString& path, qint64 count)
{
    QFile file(path);
    openForReading(file, path);
    errno = 0;
    QByteArray bytes = file.read(count);
    if (file.error() != QFileDevice::NoError)
        throw Failure::fromFile(file, path, FileAccess::Read);
    return bytes;
}

QByteArray ReadWholeFile(const QString& path, qint64 maxBytes)
{
    QByteArray bytes;
    ReadWholeFile(path, bytes, maxBytes);
    return bytes;
}

void ReadWholeFile(const QString& path, QByteArray& into, qint64 maxBytes)
{
    QFile file(path);
    openForReading(file, path);
    const qint64 size = file.size();
    if (size > maxBytes)
        throw tooLarge(path, maxBytes);
    errno = 0;
    into.resize(qsizetype(std::max<qint64>(size, 0)));
    qint64 length = file.read(into.data(), into.size());
    if (length == into.size()) {
        // What the size did not tell (a file that grew, a pipe or a special file), with a bound.
        const QByteArray rest = file.read(maxBytes + 1 - length);
        into.resize(qsizetype(length));
        into.append(rest);
        length += rest.size();
    }
    if (length < 0 || file.error() != QFileDevice::NoError)
        throw Failure::fromFile(file, path, FileAccess::Read);
    into.resize(qsizetype(length));
    if (length > maxBytes)
        throw tooLarge(path, maxBytes);
}

QStringList ReadLinesFile(const QString& path, qint64 maxBytes)
{
    return SplitLines(DecodeText(ReadWholeFile(path, maxBytes)));
}

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw Failure::fromFile(file, path);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const Failure failure = Failure::fromFile(file, path);
        file.cancelWriting();
        throw failure;
    }
    errno = 0;
    if (!file.commit())
        throw Failure::fromFile(file, path);
}

void WriteLinesFile(const QString& path, const QStringList& lines)
{
    WriteWholeFile(path, EncodeLines(lines));
}

} // namespace velmora
