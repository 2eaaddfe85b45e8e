#pragma once
// Text files of lines, as the program reads and writes its settings and lists.
// Written as UTF-8 with CR LF after every line. Read back line by line: a line ends at CR LF, at a
// lone CR or at a lone LF, so files from Linux tools and editors read as they look; nothing is
// trimmed. A file whose bytes are not valid UTF-8 is decoded as Shift_JIS, so files written by the
// Windows program stay readable.
#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velmora {

// Larger files are refused with a message rather than read into memory.
inline constexpr qint64 MaxTextFileBytes = 64 * 1024 * 1024;

QString DecodeText(const QByteArray& bytes);
QStringList SplitLines(const QString& text);
// SplitLines(DecodeText(bytes)), without the whole text in between: UTF-8 lines are decoded one by
// one, straight from the bytes.
QStringList DecodeLines(const QByteArray& bytes);

// The lines of a file's bytes one after another, as SplitLines cuts them, without decoding
// anything: a line's bytes are CR and LF free in UTF-8 and Shift_JIS alike.
class LineScanner {
public:
    // A leading UTF-8 byte order mark is passed over.
    explicit LineScanner(QByteArrayView bytes);
    // The next line, false after the last.
    bool next(QByteArrayView& line);
    // Where the next line starts, from the start of the bytes given.
    qsizetype position() const { return m_at; }
    // Goes on from a position that position() gave.
    void seek(qsizetype at)
    {
        m_at = at;
        m_lf = -1;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_at = 0;
    qsizetype m_lf = -1; // the next LF at or after m_at (the end when none), once found
};

// One line's bytes, valid UTF-8, as the whole file's decoding gives them.
QString DecodeUtf8Line(QByteArrayView line);

// How many lines SplitLines makes of the text these bytes decode to, in UTF-8 or Shift_JIS alike
// (neither uses the bytes of CR and LF inside a character).
qsizetype CountLines(QByteArrayView bytes);
QByteArray EncodeLines(const QStringList& lines);

// Throws a Failure naming the cause (missing, unreadable, a folder, too large). Only regular files
// and links to them are read; a FIFO, socket or device is refused at once, never waited on.
QStringList ReadLinesFile(const QString& path, qint64 maxBytes = MaxTextFileBytes);
QByteArray ReadWholeFile(const QString& path, qint64 maxBytes = MaxTextFileBytes);
// The same into a buffer the caller keeps, whose memory is used again when large enough.
void ReadWholeFile(const QString& path, QByteArray& into, qint64 maxBytes);
// The first `count` bytes of a file (fewer when it is shorter). Throws as ReadWholeFile does.
QByteArray ReadFileStart(const QString& path, qint64 count);

// Writes a temporary file beside the target and renames it, so a failure leaves the old file whole
// (platform::AtomicFileWriter: a link stays a link, a replaced file keeps its permissions).
// Throws a Failure when the file cannot be written.
void WriteLinesFile(const QString& path, const QStringList& lines);
void WriteWholeFile(const QString& path, const QByteArray& bytes);

} // namespace velmora
