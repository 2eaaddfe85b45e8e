#pragma once
// The desktop's shared thumbnail cache as the thumbnail window uses it: "large" entries (256
// pixels), PNG files named by the MD5 of the file's URI and tagged with its URI, time and size, and
// a folder of our own under "fail" for files that cannot be thumbnailed. Entries that file managers
// wrote are used as they are. Safe on worker threads; every method touches only files.
#include <QImage>
#include <QString>

#include <cstdint>

namespace velmora {

// The side of a "large" entry.
inline constexpr int LargeThumbnailSide = 256;

// A file as the cache identifies it.
struct ThumbnailSource {
    QString path;               // absolute
    QString uri;                // platform::FileUri of path
    std::int64_t modified = 0;  // last write, seconds since the epoch
    std::uint64_t size = 0;     // bytes
};

ThumbnailSource MakeThumbnailSource(const QString& path, std::int64_t modified, std::uint64_t size);

class ThumbnailCache {
public:
    // root: the cache folder, ending in "/"; creator: the name of our folder under "fail"
    // ("velmora-2.1.0").
    ThumbnailCache(QString root, QString creator);

    const QString& root() const { return m_root; }
    // The MD5 of the URI in lower-case hex, then ".png".
    static QString EntryName(const QString& uri);
    QString entryPath(const ThumbnailSource& source) const;
    QString failurePath(const ThumbnailSource& source) const;

    // True for files inside the cache folder: thumbnails of thumbnails are never made.
    bool holds(const QString& path) const;

    // The entry's picture when its URI and time (and size, when tagged) are the file's; null when
    // there is none, it is out of date, or it cannot be read.
    QImage find(const ThumbnailSource& source) const;
    // True when our failure record for the file is still valid.
    bool hasFailure(const ThumbnailSource& source) const;

    // Writes the file's entry atomically (a temporary name beside it, then a rename), readable by
    // the user alone; missing folders are made private (0700). False when it could not be written.
    bool store(const ThumbnailSource& source, const QImage& picture) const;
    bool recordFailure(const ThumbnailSource& source) const;

private:
    bool write(const QString& folder, const QString& path, const ThumbnailSource& source,
               const QImage& picture) const;

    QString m_root;
    QString m_creator;
};

} // namespace velmora
