#include "mainwindow/folder/FileNameScan.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "mainwindow/folder/FileViewText.h"

#include <algorithm>

namespace velmora {
namespace {

// The first batch fills a screen or two; later ones grow so that a huge folder costs the window
// few insertions, but stay small enough to be taken in a few milliseconds.
constexpr qsizetype FirstBatch = 256;
constexpr qsizetype LargestBatch = 4096;

FileViewEntry describe(const platform::FolderEntry& entry)
{
    const platform::LocalTime t = platform::ToLocalTime(entry.modified);
    return FileViewEntry{entry.name, entry.size,
                         t.valid ? DateText(t.year, t.month, t.day, t.hour, t.minute, t.second) : QString()};
}

bool byName(const platform::FolderEntry& a, const platform::FolderEntry& b)
{
    return CompareFileNames(a.name, b.name) < 0;
}

} // namespace

platform::FolderListing FindImageFiles(const QString& folder, const std::function<bool()>& stop)
{
    platform::ScanOptions options;
    options.acceptFile = [](const QString& name) {
        if (name == QLatin1String("pagefile.sys"))
            return false;
        const std::int16_t kind = FileKind(name);
        return kind == Kind::Image || kind == Kind::Gif;
    };
    options.stopRequested = stop;
    return platform::ScanFolder(folder, options);
}

platform::FolderListing ListImageFiles(const QString& folder, const std::function<bool()>& stop)
{
    // The listing comes in the file system's own order (hash order on ext4); the view and the
    // sequential change walk the pictures by name.
    platform::FolderListing listing = FindImageFiles(folder, stop);
    std::sort(listing.entries.begin(), listing.entries.end(), byName);
    return listing;
}

int DescribeImageFiles(const QString& folder, QList<platform::FolderEntry> files,
                       const std::function<bool()>& canceled,
                       const std::function<void(QList<FileViewEntry>)>& deliver, int* error)
{
    // Only the first batch's names are picked out before it goes (one pass over the names); the
    // rest are sorted while the window shows it.
    const qsizetype head = std::min(FirstBatch, files.size());
    std::partial_sort(files.begin(), files.begin() + head, files.end(), byName);
    int delivered = 0;
    qsizetype batch = FirstBatch;
    for (qsizetype first = 0; first < files.size();
         first += batch, batch = std::min(batch * 2, LargestBatch)) {
        if (canceled && canceled())
            break;
        if (first == head)
            std::sort(files.begin() + head, files.end(), byName);
        const platform::FolderListing details = platform::ReadFileDetails(folder, files.mid(first, batch));
        if (details.error != 0) {
            if (error)
                *error = details.error;
            break;
        }
        QList<FileViewEntry> entries;
        entries.reserve(details.entries.size());
        for (const platform::FolderEntry& entry : details.entries)
            entries.append(describe(entry));
        if (entries.isEmpty())
            continue;
        delivered += int(entries.size());
        deliver(std::move(entries));
    }
    return delivered;
}

FileNameScanResult ScanImageFiles(const QString& folder)
{
    platform::FolderListing listing = FindImageFiles(folder);
    FileNameScanResult result;
    result.error = listing.error;
    result.entries.reserve(listing.entries.size());
    int error = 0;
    DescribeImageFiles(
        folder, std::move(listing.entries), {},
        [&result](QList<FileViewEntry> entries) { result.entries.append(std::move(entries)); }, &error);
    if (result.error == 0)
        result.error = error;
    return result;
}

} // namespace velmora
