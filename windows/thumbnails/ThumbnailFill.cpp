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
    SharedFill(QList<FillFile> files, const std::function<bool()>* canceled,
               const std::function<void(QList<ThumbnailItem>)>* deliver)
        : m_files(std::move(files))
        , m_release(int(m_files.size()))
        , m_canceled(canceled)
        , m_deliver(deliver)
    {}

    void run(const ThumbnailFillRequest& request, const ThumbnailCache* cache)
    {
        while (const std::optional<int> index = take()) {
            std::optional<ThumbnailItem> item;
            // A file that fails in a way nobody foresaw gets no item; the fill goes on.
            try {
                item = make(m_files[*index], request, cache);
            } catch (...) {
                item.reset();
            }
            finish(*index, std::move(item));
        }
    }

    // Called by the job's thread when it has run out of files: waits for the helpers' files in
    // hand, then closes the fill to late helpers.
    int close()
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_inHand == 0; });
        m_closed = true;
        return m_delivered;
    }

private:
    static std::optional<ThumbnailItem> make(const FillFile& file, const ThumbnailFillRequest& request,
                                             const ThumbnailCache* cache)
    {
        const ThumbnailSource source = MakeThumbnailSource(request.folder + file.name, file.modified, file.size);
        const ThumbnailCache* usable = cache && !cache->holds(source.path) ? cache : nullptr;
        QImage picture = request.make ? request.make(source, usable, request.side)
                                      : MakeThumbnail(source, usable, request.side);
        if (picture.isNull())
            return std::nullopt;
        return ThumbnailItem{file.name, std::move(picture)};
    }

    std::optional<int> take()
    {
        const std::lock_guard lock(m_mutex);
        if (m_closed || m_next >= m_files.size() || (*m_canceled)())
            return std::nullopt;
        ++m_inHand;
        return int(m_next++);
    }

    void finish(int index, std::optional<ThumbnailItem> item)
    {
        const std::lock_guard lock(m_mutex);
        try {
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
    InOrderRelease<ThumbnailItem> m_release;
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
    auto fill = std::make_shared<SharedFill>(std::move(files), &canceled, &deliver);
    for (int i = 0; i < helpers; ++i)
        JobPool().start(
            [fill, request, cache] {
                JobThreadScope onWorker;
                fill->run(request, cache.get());
            },
            1);
    // Helpers still at work use canceled and deliver, which live only as long as this call: it
    // returns, however it ends, only after they are done.
    struct CloseAtEnd {
        SharedFill& fill;
        ~CloseAtEnd() { fill.close(); }
    } closeAtEnd{*fill};
    // This thread takes files too, so the fill goes on even when no helper gets a thread.
    fill->run(request, cache.get());
    return fill->close();
}

} // namespace velmora
