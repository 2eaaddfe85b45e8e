#include "core/ShuffleFile.h"

#include "core/Failure.h"
#include "core/ListFiles.h"
#include "core/TextLines.h"

#include <QHash>
#include <QList>

#include <optional>

namespace velmora {
namespace {

constexpr char Header[] = "VelmoraShuffle 1";
constexpr char PositionHeader[] = "VelmoraShufflePosition 1";

// A path holds any character but NUL on Linux, line breaks included; one entry stays one line.
QByteArray escaped(const QString& text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\\', "\\\\");
    bytes.replace('\n', "\\n");
    bytes.replace('\r', "\\r");
    return bytes;
}

QString unescaped(QByteArrayView line)
{
    QByteArray bytes;
    bytes.reserve(line.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == '\\' && i + 1 < line.size()) {
            c = line[++i];
            if (c == 'n')
                c = '\n';
            else if (c == 'r')
                c = '\r';
        }
        bytes += c;
    }
    return QString::fromUtf8(bytes);
}

std::optional<int> number(QByteArrayView text)
{
    bool ok = false;
    const int value = text.toByteArray().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

struct StoredRound {
    quint64 tag = 0;
    std::vector<std::int32_t> order;
    int position = 0;
    int last = -1;
    std::vector<QString> paths;
};

// Splits the file into lines as it reads, so that no second copy of a large file is made.
class LineReader {
public:
    explicit LineReader(const QByteArray& bytes)
        : m_bytes(bytes)
    {}
    std::optional<QByteArrayView> next()
    {
        if (m_at >= m_bytes.size())
            return std::nullopt;
        qsizetype end = m_bytes.indexOf('\n', m_at);
        if (end < 0)
            end = m_bytes.size();
        const QByteArrayView line(m_bytes.constData() + m_at, end - m_at);
        m_at = end + 1;
        return line;
    }
    std::optional<QByteArrayView> field(const char* key)
    {
        const std::optional<QByteArrayView> line = next();
        if (!line || !line->startsWith(key))
            return std::nullopt;
        return line->sliced(qstrlen(key));
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

std::optional<StoredRound> parse(const QByteArray& bytes)
{
    LineReader lines(bytes);
    StoredRound stored;
    const std::optional<QByteArrayView> header = lines.next();
    const std::optional<QByteArrayView> tag = lines.field("round=");
    const std::optional<QByteArrayView> folder = lines.field("folder=");
    const std::optional<QByteArrayView> name = lines.field("name=");
    const std::optional<QByteArrayView> position = lines.field("position=");
    const std::optional<QByteArrayView> last = lines.field("last=");
    const std::optional<QByteArrayView> order = lines.field("order=");
    if (!header || *header != Header || !tag || !folder || !name || !position || !last || !order)
        return std::nullopt;
    bool tagRead = false;
    stored.tag = tag->toByteArray().toULongLong(&tagRead);
    if (!tagRead)
        return std::nullopt;
    const std::optional<int> at = number(*position);
    const std::optional<int> lastShown = number(*last);
    if (!at || !lastShown)
        return std::nullopt;
    stored.position = *at;
    stored.last = *lastShown;
    for (const QByteArrayView item : order->toByteArray().split(' ')) {
        if (item.isEmpty())
            continue;
        const std::optional<int> index = number(item);
        if (!index)
            return std::nullopt;
        stored.order.push_back(*index);
    }
    while (const std::optional<QByteArrayView> line = lines.next())
        stored.paths.push_back(unescaped(*line));
    if (stored.paths.size() != stored.order.size())
        return std::nullopt;
    return stored;
}

bool samePaths(const StoredRound& stored, const ShuffleSource& source)
{
    if (int(stored.paths.size()) != source.count)
        return false;
    for (int i = 0; i < source.count; ++i)
        if (stored.paths[i] != source.path(i))
            return false;
    return true;
}

// Where each stored entry is now; a path listed twice matches its occurrences in turn.
std::vector<std::int32_t> newIndexes(const StoredRound& stored, const ShuffleSource& source)
{
    QHash<QString, QList<std::int32_t>> now;
    now.reserve(source.count);
    for (int i = source.count - 1; i >= 0; --i)
        now[source.path(i)].append(i);
    std::vector<std::int32_t> mapped(stored.paths.size(), -1);
    for (size_t i = 0; i < stored.paths.size(); ++i) {
        const auto found = now.find(stored.paths[i]);
        if (found != now.end() && !found->isEmpty())
            mapped[i] = found->takeLast();
    }
    return mapped;
}

// The position file's position and last entry, when it belongs to the round of tag.
void takePosition(const QString& file, StoredRound& stored)
{
    QByteArray bytes;
    try {
        bytes = ReadWholeFile(ShufflePositionFile(file));
    } catch (const Failure&) {
        return;
    }
    LineReader lines(bytes);
    const std::optional<QByteArrayView> header = lines.next();
    const std::optional<QByteArrayView> tag = lines.field("round=");
    const std::optional<QByteArrayView> position = lines.field("position=");
    const std::optional<QByteArrayView> last = lines.field("last=");
    if (!header || *header != PositionHeader || !tag || !position || !last)
        return;
    bool tagRead = false;
    const std::optional<int> at = number(*position);
    const std::optional<int> lastShown = number(*last);
    if (tag->toByteArray().toULongLong(&tagRead) != stored.tag || !tagRead || !at || !lastShown)
        return;
    stored.position = *at;
    stored.last = *lastShown;
}

} // namespace

QString ShufflePositionFile(const QString& file)
{
    return (file.endsWith(QLatin1String(".dat")) ? file.chopped(4) : file) + QStringLiteral(".pos");
}

QByteArray ShuffleFileBytes(const ShuffleSource& source, const ShuffledRound& round, quint64 tag)
{
    QByteArray bytes;
    bytes += Header;
    bytes += "\nround=" + QByteArray::number(tag);
    bytes += "\nfolder=" + QByteArray::number(source.folder ? 1 : 0);
    bytes += "\nname=" + escaped(source.name);
    bytes += "\nposition=" + QByteArray::number(round.position());
    bytes += "\nlast=" + QByteArray::number(round.last());
    bytes += "\norder=";
    for (size_t k = 0; k < round.order().size(); ++k) {
        if (k > 0)
            bytes += ' ';
        bytes += QByteArray::number(round.order()[k]);
    }
    bytes += '\n';
    for (int i = 0; i < source.count; ++i)
        bytes += escaped(source.path(i)) + '\n';
    return bytes;
}

bool WriteShuffleFile(const QString& file, const ShuffleSource& source, const ShuffledRound& round,
                      quint64 tag)
{
    try {
        WriteWholeFile(file, ShuffleFileBytes(source, round, tag));
    } catch (const Failure&) {
        return false;
    }
    // A position file of an older round would not match the tag, but goes so as to leave no doubt.
    return WriteShufflePosition(file, round, tag);
}

bool WriteShufflePosition(const QString& file, const ShuffledRound& round, quint64 tag)
{
    QByteArray bytes = PositionHeader;
    bytes += "\nround=" + QByteArray::number(tag);
    bytes += "\nposition=" + QByteArray::number(round.position());
    bytes += "\nlast=" + QByteArray::number(round.last()) + '\n';
    try {
        WriteWholeFile(ShufflePositionFile(file), bytes);
        return true;
    } catch (const Failure&) {
        return false;
    }
}

bool ReadShuffleFile(const QString& file, const ShuffleSource& source, ShuffledRound& round,
                     const ShuffledRound::Draw& draw, quint64* tag, bool* fitted)
{
    QByteArray bytes;
    try {
        // It holds every path of the list, so it may be as large as the list file and its order.
        bytes = ReadWholeFile(file, MaxListFileBytes + qint64(MaxListEntries) * 16);
    } catch (const Failure&) {
        return false;
    }
    std::optional<StoredRound> stored = parse(bytes);
    bytes.clear();
    if (stored)
        takePosition(file, *stored);
    ShuffledRound read;
    if (!stored || !read.Assign(std::move(stored->order), stored->position, stored->last))
        return false;
    const bool changed = !samePaths(*stored, source);
    if (changed)
        read.Remap(newIndexes(*stored, source), source.count, draw);
    if (fitted)
        *fitted = changed;
    round = std::move(read);
    if (tag)
        *tag = stored->tag;
    return true;
}

} // namespace velmora
