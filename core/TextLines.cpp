#include "core/TextLines.h"

#include "core/Failure.h"
#include "core/FileBytes.h"
#include "platform/AtomicFile.h"
#include "platform/PageMemory.h"
#include "platform/RegularFile.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <cstring>
#include <cerrno>

namespace velmora {
namespace {

Failure tooLarge(const QString& path, qint64 maxBytes)
{
    return Failure(
        ErrorCode::OutOfMemory,
        QCoreApplication::translate("TextLines", "ファイルが大きすぎます (%1 MB を超えています)。\n%2")
            .arg(maxBytes >> 20)
            .arg(path));
}

// Opens the file or throws a Failure that says why not.
void openForReading(const platform::RegularFile& file, const QString& path)
{
    switch (file.refusal()) {
    case platform::RegularFile::Refusal::None: return;
    case platform::RegularFile::Refusal::Failed:
        throw Failure::fromErrno(file.error(), path, FileAccess::Read);
    case platform::RegularFile::Refusal::Folder:
        throw Failure(
            ErrorCode::PathFileAccess,
            QStringLiteral("%1\n%2").arg(
                QCoreApplication::translate("TextLines", "ファイルではなくフォルダーです。"), path));
    case platform::RegularFile::Refusal::Special:
        throw Failure(ErrorCode::PathFileAccess,
                      QStringLiteral("%1\n%2").arg(
                          QCoreApplication::translate(
                              "TextLines", "通常のファイルではありません (パイプ、ソケット、デバイスなど)。"),
                          path));
    }
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

LineScanner::LineScanner(QByteArrayView bytes)
    : m_bytes(bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        m_at = 3;
}

bool LineScanner::next(QByteArrayView& line)
{
    const qsizetype size = m_bytes.size();
    if (m_at >= size)
        return false;
    // memchr runs far quicker than a loop over the bytes. The next LF is kept, so that a file of lone
    // CRs is not searched to its end for an LF at every line.
    const char* data = m_bytes.data();
    if (m_lf < m_at) {
        const void* lf = std::memchr(data + m_at, '\n', size_t(size - m_at));
        m_lf = lf ? static_cast<const char*>(lf) - data : size;
    }
    const void* cr = std::memchr(data + m_at, '\r', size_t(m_lf - m_at));
    const qsizetype end = cr ? static_cast<const char*>(cr) - data : m_lf;
    line = QByteArrayView(data + m_at, end - m_at);
    m_at = end;
    if (m_at < size) {
        ++m_at;
        if (data[end] == '\r' && m_at < size && data[m_at] == '\n')
            ++m_at;
    }
    return true;
}

QString DecodeUtf8Line(QByteArrayView line)
{
    if (!line.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(line);
    // fromUtf8 drops a byte order mark at the start; inside a file it is part of the line.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(line);
}

qsizetype CountLines(QByteArrayView bytes)
{
    LineScanner lines(bytes);
    QByteArrayView line;
    qsizetype count = 0;
    while (lines.next(line))
        ++count;
    return count;
}

QStringList DecodeLines(const QByteArray& bytes)
{
    QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        view = view.sliced(3);
    // A second byte order mark is the decoder's to judge, as is anything not UTF-8.
    if (view.startsWith("\xEF\xBB\xBF") || !view.isValidUtf8())
        return SplitLines(DecodeText(bytes));
    QStringList lines;
    lines.reserve(CountLines(bytes));
    LineScanner scanner(bytes);
    QByteArrayView line;
    while (scanner.next(line))
        lines.append(DecodeUtf8Line(line));
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
    platform::RegularFile file(path);
    openForReading(file, path);
    QByteArray bytes(qsizetype(std::max<qint64>(0, count)), Qt::Uninitialized);
    const qint64 got = file.read(bytes.data(), bytes.size());
    if (got < 0)
        throw Failure::fromErrno(file.error(), path, FileAccess::Read);
    bytes.resize(qsizetype(got));
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
    platform::RegularFile file(path);
    openForReading(file, path);
    if (file.size() > maxBytes)
        throw tooLarge(path, maxBytes);
    // Read at the file's size first, then on in growing steps up to the bound: a file that grew, or
    // one of the system's that tells no true size (/proc), is read to its end, and asking for the
    // whole bound at once would set that much memory aside for every file, however small.
    // Emptied, not cleared: a buffer the caller keeps from file to file keeps its memory.
    into.resize(0);
    qint64 step = std::min<qint64>(std::max<qint64>(4096, file.size() + 1), maxBytes + 1);
    while (into.size() <= maxBytes) {
        const qsizetype at = into.size();
        const qint64 wanted = qMin(step, maxBytes + 1 - at);
        into.resize(at + qsizetype(wanted));
        const qint64 got = file.read(into.data() + at, wanted);
        if (got < 0)
            throw Failure::fromErrno(file.error(), path, FileAccess::Read);
        into.resize(at + qsizetype(got));
        if (got == 0)
            break;
        step = qMin(step * 2, maxBytes + 1);
    }
    if (into.size() > maxBytes)
        throw tooLarge(path, maxBytes);
}

FileBytes::~FileBytes()
{
    platform::FreePages(m_data);
}

FileBytes ReadFileBytes(const QString& path, qint64 maxBytes)
{
    platform::RegularFile file(path);
    openForReading(file, path);
    if (file.size() > maxBytes)
        throw tooLarge(path, maxBytes);
    FileBytes bytes;
    // As ReadWholeFile reads: at the file's size first (one byte more to see its end), then on in
    // growing steps up to the bound.
    qint64 capacity = std::min<qint64>(std::max<qint64>(4096, file.size() + 1), maxBytes + 1);
    bytes.m_data = static_cast<char*>(platform::AllocatePages(std::size_t(capacity)));
    if (!bytes.m_data)
        throw tooLarge(path, maxBytes);
    for (;;) {
        if (bytes.m_size == capacity) {
            if (capacity > maxBytes)
                throw tooLarge(path, maxBytes);
            const qint64 grown = std::min(capacity * 2, maxBytes + 1);
            char* larger = static_cast<char*>(platform::AllocatePages(std::size_t(grown)));
            if (!larger)
                throw tooLarge(path, maxBytes);
            std::memcpy(larger, bytes.m_data, std::size_t(bytes.m_size));
            platform::FreePages(bytes.m_data);
            bytes.m_data = larger;
            capacity = grown;
        }
        const qint64 got = file.read(bytes.m_data + bytes.m_size, capacity - bytes.m_size);
        if (got < 0)
            throw Failure::fromErrno(file.error(), path, FileAccess::Read);
        if (got == 0)
            break;
        bytes.m_size += qsizetype(got);
    }
    if (bytes.m_size > maxBytes)
        throw tooLarge(path, maxBytes);
    return bytes;
}

QStringList ReadLinesFile(const QString& path, qint64 maxBytes)
{
    return DecodeLines(ReadWholeFile(path, maxBytes));
}

void WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    platform::AtomicFileWriter file(path);
    if (!file.write(bytes.constData(), bytes.size()) || !file.commit())
        throw Failure::fromErrno(file.error(), path);
}

void WriteLinesFile(const QString& path, const QStringList& lines)
{
    WriteWholeFile(path, EncodeLines(lines));
}

} // namespace velmora
