#include "core/TextLines.h"

#include "core/Failure.h"
#include "platform/WriteLock.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <cerrno>

namespace velmora {
namespace {

Failure tooLarge(const QString& path, qint64 maxBytes)
{
    return Failure(
        ErrorCode::OutOfMemory,
        QStringLiteral("ファイルが大きすぎます (%1 MB を超えています)。\n%2").arg(maxBytes >> 20).arg(path));
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
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        const qsizetype cr = text.indexOf(u'\r', start);
        if (cr < 0) {
            lines.append(text.mid(start));
            break;
        }
        lines.append(text.mid(start, cr - start));
        start = cr + 1;
        if (start < size && text[start] == u'\n')
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

QByteArray ReadWholeFile(const QString& path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (info.isDir())
        throw Failure(ErrorCode::PathFileAccess,
                      QStringLiteral("%1\n%2").arg(QStringLiteral("ファイルではなくフォルダーです。"), path));
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw Failure::fromFile(file, path);
    if (file.size() > maxBytes)
        throw tooLarge(path, maxBytes);
    // Read with a bound even when the size is unknown (a pipe or a special file). Not with
    // read(maxBytes + 1): that sets twice the bound aside for every file, however small.
    QByteArray bytes;
    qint64 step = qBound<qint64>(4096, file.size() + 1, maxBytes + 1);
    while (bytes.size() <= maxBytes) {
        const qsizetype at = bytes.size();
        const qint64 wanted = qMin(step, maxBytes + 1 - at);
        bytes.resize(at + qsizetype(wanted));
        errno = 0;
        const qint64 got = file.read(bytes.data() + at, wanted);
        if (got < 0)
            throw Failure::fromFile(file, path);
        bytes.resize(at + qsizetype(got));
        if (got == 0)
            break;
        step = qMin(step * 2, maxBytes + 1);
    }
    if (bytes.size() > maxBytes)
        throw tooLarge(path, maxBytes);
    return bytes;
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
    // Where the temporary has a name, a program starting meanwhile must leave it alone.
    platform::MarkBeingWritten(file.handle());
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
