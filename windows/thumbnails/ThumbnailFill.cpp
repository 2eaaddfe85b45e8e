#include "windows/thumbnails/ThumbnailFill.h"

#include "core/FileKinds.h"
#include "core/jobs/JobPool.h"
#include "engine/thumbnails/MakeThumbnail.h"
#include "platform/FolderScan.h"
#include "windows/thumbnails/InOrderRelease.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <vector>

namespace velmora {
namespace {

struct FillFile {
    QString name;
    std::int64_t modified = 0;
    std::uint64_t size = 0;
};

bool nameOrder(const QString& a, const QString& b)
{
    const int folded = a.compare(b, Qt::CaseInsensitive);
    return folded != 0 ? folded < 0 : a < b;
}

QList<FillFile> listFiles(const QString& folder)
{
    platform::ScanOptions options;
    options.details = true;
    options.skipHidden = true;
    options.acceptFile = [](const QString& name) {
        const std::int16_t kind = FileKind(name);
        return kind == Kind::Image || kind == Kind::Gif;
    };
    QList<FillFile> files;
    for (const platform::FolderEntry& entry : platform::ScanFolder(folder, options).entries)
        files.append({entry.name, entry.modified, entry.size});
    std::sort(files.begin(), files.end(),
              [](const FillFile& a, const FillFile& b) { return nameOrder(a.name, b.name); });
    return files;
}

// The files shared by the job's thread and its helpers. Files are taken in order, so the first
// screenful is made first; a helper that starts after the fill has ended finds nothing to take and
// touches nothing but this.
class SharedFill {
public:
    SharedFill(QList<FillFile> files, std::shared_ptr<const ThumbnailCache> cache,
               const std::function<bool()>* canceled,
               const std::function<void(QList<ThumbnailItem>)>* deliver)
        : m_files(std::move(files))
        , m_cache(std::move(cache))
        , m_release(int(m_files.size()))
        , m_canceled(canceled)
        , m_deliver(deliver)
    {}

    void run(const ThumbnailFillRequest& request)
    {
        while (const std::optional<int> index = take()) {
            std::optional<ThumbnailItem> item;
            std::optional<PendingThumbnail> entry;
            const bool firstScreen = *index < request.firstScreen;
            // A file that fails in a way nobody foresaw gets no item; the fill goes on.
            try {
                item = make(m_files[*index], request, firstScreen ? &entry : nullptr);
            } catch (...) {
                item.reset();
            }
            finish(*index, std::move(item), std::move(entry));
            writeHeldEntries(request.firstScreen);
        }
    }

    // Called by the job's thread when it has run out of files: waits for the helpers' files in
    // hand, then closes the fill to late helpers and writes the cache entries still held.
    int close()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_inHand == 0; });
        m_closed = true;
        std::vector<PendingThumbnail> held = std::exchange(m_held, {});
        lock.unlock();
        store(held);
        return m_delivered;
    }

private:
    std::optional<ThumbnailItem> make(const FillFile& file, const ThumbnailFillRequest& request,
                                      std::optional<PendingThumbnail>* entry) const
    {
        const ThumbnailSource source =
            MakeThumbnailSource(request.folder + file.name, file.modified, file.size);
        const ThumbnailCache* usable = m_cache && !m_cache->holds(source.path) ? m_cache.get() : nullptr;
        QImage picture = request.make ? request.make(source, usable, request.side)
                                      : MakeThumbnail(source, usable, request.side, entry, request.budget);
        if (picture.isNull())
            return std::nullopt;
        return ThumbnailItem{file.name, std::move(picture), file.modified, file.size};
    }

    // The first screenful's cache entries, once that screenful is all on its way to the window.
    void writeHeldEntries(int firstScreen)
    {
        std::unique_lock lock(m_mutex);
        const bool shown =
            m_release.released() >= std::size_t(std::max(firstScreen, 0)) || m_release.complete();
        if (!shown || m_held.empty())
            return;
        std::vector<PendingThumbnail> held = std::exchange(m_held, {});
        ++m_inHand;
        lock.unlock();
        store(held);
        lock.lock();
        if (--m_inHand == 0)
            m_idle.notify_all();
    }

    // A cache entry that cannot be written (out of memory) is only made again next time.
    void store(const std::vector<PendingThumbnail>& entries) const noexcept
    {
        for (const PendingThumbnail& entry : entries) {
            try {
                m_cache->store(entry.source, entry.picture);
            } catch (...) {
            }
        }
    }

    std::optional<int> take()
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed || m_next >= m_files.size() || (*m_canceled)())
            return std::nullopt;
        ++m_inHand;
        return int(m_next++);
    }

    void finish(int index, std::optional<ThumbnailItem> item, std::optional<PendingThumbnail> entry)
    {
        const std::lock_guard lock(m_mutex);
        try {
            if (entry)
                m_held.push_back(std::move(*entry));
            QList<ThumbnailItem> due = m_release.finish(index, std::move(item));
            // Delivered under the lock, so that runs reach the window in order.
            if (!due.isEmpty() && !(*m_canceled)()) {
                m_delivered += int(due.size());
                (*m_deliver)(std::move(due));
            }
        } catch (...) {
            // Out of memory: these pictures are lost, but close() must still see the file done.
        }
        if (--m_inHand == 0)
            m_idle.notify_all();
    }

    const QList<FillFile> m_files;
    const std::shared_ptr<const ThumbnailCache> m_cache;
    InOrderRelease<ThumbnailItem> m_release;
    std::vector<PendingThumbnail> m_held; // the first screenful's cache entries, not yet written
    const std::function<bool()>* m_canceled;
    const std::function<void(QList<ThumbnailItem>)>* m_deliver;
    std::mutex m_mutex;
    std::condition_variable m_idle;
    qsizetype m_next = 0;
    int m_inHand = 0;
    int m_delivered = 0;
    bool m_closed = false;
};

} // namespace

QStringList ThumbnailFileNames(const QString& folder)
{
    QStringList names;
    for (const FillFile& file : listFiles(folder))
        names.append(file.name);
    return names;
}

int FillThumbnails(const ThumbnailFillRequest& request, const std::function<bool()>& canceled,
                   const std::function<void(QList<ThumbnailItem>)>& deliver)
{
    QList<FillFile> files = listFiles(request.folder);
    if (files.isEmpty() || canceled())
        return 0;
    auto cache = request.cacheRoot.isEmpty()
                     ? nullptr
                     : std::make_shared<const ThumbnailCache>(request.cacheRoot, request.creator);
    const int helpers = int(std::min<qsizetype>(JobPool().maxThreadCount() - 1, files.size() - 1));
    auto fill = std::make_shared<SharedFill>(std::move(files), std::move(cache), &canceled, &deliver);
    for (int i = 0; i < helpers; ++i)
        JobPool().start(
            [fill, request] {
                JobThreadScope onWorker;
                fill->run(request);
            },
            1);
    // Helpers still at work use canceled and deliver, which live only as long as this call: it
    // returns, however it ends, only after they are done.
    struct CloseAtEnd {
        SharedFill& fill;
        ~CloseAtEnd() { fill.close(); }
    } closeAtEnd{*fill};
    // This thread takes files too, so the fill goes on even when no helper gets a thread.
    fill->run(request);
    return fill->close();
}

} // namespace velmora
