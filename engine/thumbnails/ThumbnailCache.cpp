#include "engine/thumbnails/ThumbnailCache.h"

#include "engine/thumbnails/PngWriter.h"
#include "platform/AtomicFile.h"
#include "platform/DesktopThumbnailCache.h"
#include "platform/RegularFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>

namespace velmora {
namespace {

// Entries are small; anything much larger is not a thumbnail and is not decoded.
constexpr int MaxEntrySide = 2048;
constexpr qint64 MaxEntryBytes = qint64(MaxEntrySide) * MaxEntrySide * 4 + (1 << 20);

// The tags are checked on the decoded picture: the reader's own text lookup splits keys at their
// first ':', which every "Thumb::" key has.
bool matches(const QImage& entry, const ThumbnailSource& source)
{
    if (entry.text(QStringLiteral("Thumb::URI")) != source.uri)
        return false;
    bool ok = false;
    const qint64 modified = entry.text(QStringLiteral("Thumb::MTime")).trimmed().toLongLong(&ok);
    if (!ok || modified != source.modified)
        return false;
    // The size is optional; when present it tells apart files copied with the same time.
    const QString size = entry.text(QStringLiteral("Thumb::Size")).trimmed();
    if (size.isEmpty())
        return true;
    const qulonglong tagged = size.toULongLong(&ok);
    return ok && tagged == source.size;
}

// The entry's picture when it is one for the file; null otherwise.
QImage readEntry(const QString& path, const ThumbnailSource& source)
{
    // Most files have no entry yet, and something other than a file where one belongs is none.
    platform::RegularFile file(path);
    if (!file.isOpen() || file.size() > MaxEntryBytes)
        return {};
    QByteArray bytes(qsizetype(file.size()), Qt::Uninitialized);
    const qint64 read = file.read(bytes.data(), bytes.size());
    if (read <= 0)
        return {};
    bytes.resize(qsizetype(read));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "png");
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > MaxEntrySide || size.height() > MaxEntrySide)
        return {};
    QImage entry;
    if (!reader.read(&entry) || !matches(entry, source))
        return {};
    return entry;
}

} // namespace

ThumbnailSource MakeThumbnailSource(const QString& path, std::int64_t modified, std::uint64_t size)
{
    const QString clean = QDir::cleanPath(path);
    return {clean, platform::FileUri(clean), modified, size};
}

ThumbnailCache::ThumbnailCache(QString root, QString creator)
    : m_root(std::move(root))
    , m_creator(std::move(creator))
{
    if (!m_root.endsWith(u'/'))
        m_root += u'/';
}

QString ThumbnailCache::EntryName(const QString& uri)
{
    return QString::fromLatin1(QCryptographicHash::hash(uri.toUtf8(), QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

QString ThumbnailCache::entryPath(const ThumbnailSource& source) const
{
    return m_root + QStringLiteral("large/") + EntryName(source.uri);
}

QString ThumbnailCache::failurePath(const ThumbnailSource& source) const
{
    return m_root + QStringLiteral("fail/") + m_creator + u'/' + EntryName(source.uri);
}

bool ThumbnailCache::holds(const QString& path) const
{
    return QDir::cleanPath(path).startsWith(m_root);
}

QImage ThumbnailCache::find(const ThumbnailSource& source) const
{
    return readEntry(entryPath(source), source);
}

bool ThumbnailCache::hasFailure(const ThumbnailSource& source) const
{
    return !readEntry(failurePath(source), source).isNull();
}

bool ThumbnailCache::store(const ThumbnailSource& source, const QImage& picture) const
{
    return write(m_root + QStringLiteral("large"), entryPath(source), source, picture);
}

bool ThumbnailCache::recordFailure(const ThumbnailSource& source) const
{
    // The record is an empty picture carrying the tags, so that it goes stale with the file.
    QImage empty(1, 1, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    return write(m_root + QStringLiteral("fail/") + m_creator, failurePath(source), source, empty);
}

bool ThumbnailCache::write(const QString& folder, const QString& path, const ThumbnailSource& source,
                           const QImage& picture) const
{
    const QByteArray png =
        EncodePng(picture, {{"Thumb::URI", source.uri.toUtf8()},
                            {"Thumb::MTime", QByteArray::number(qint64(source.modified))},
                            {"Thumb::Size", QByteArray::number(quint64(source.size))},
                            {"Software", m_creator.toUtf8()}});
    if (png.isEmpty() || !platform::MakePrivateFolders(folder))
        return false;
    platform::AtomicFileWriter file(path, platform::FileReaders::OwnerOnly);
    return file.write(png.constData(), png.size()) && file.commit();
}

} // namespace velmora
