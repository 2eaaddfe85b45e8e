#include "mainwindow/folder/FileNameScan.h"

#include "core/FileKinds.h"
#include "core/PathRoutines.h"
#include "mainwindow/folder/FileViewText.h"
#include "platform/FolderScan.h"

#include <algorithm>

namespace velmora {

FileNameScanResult ScanImageFiles(const QString& folder)
{
    platform::ScanOptions options;
    options.details = true;
    options.acceptFile = [](const QString& name) {
        if (name == QLatin1String("pagefile.sys"))
            return false;
        const std::int16_t kind = FileKind(name);
        return kind == Kind::Image || kind == Kind::Gif;
    };
    const platform::FolderListing listing = platform::ScanFolder(folder, options);
    FileNameScanResult result;
    result.error = listing.error;
    result.entries.reserve(listing.entries.size());
    for (const platform::FolderEntry& entry : listing.entries) {
        const platform::LocalTime t = platform::ToLocalTime(entry.modified);
        result.entries.append(FileViewEntry{
            entry.name, entry.size,
            t.valid ? DateText(t.year, t.month, t.day, t.hour, t.minute, t.second) : QString()});
    }
    // The listing comes in the file system's own order (hash order on ext4); the view and the
    // sequential change walk the pictures by name.
    std::sort(
        result.entries.begin(), result.entries.end(),
        [](const FileViewEntry& a, const FileViewEntry& b) { return CompareFileNames(a.name, b.name) < 0; });
    return result;
}

} // namespace velmora
