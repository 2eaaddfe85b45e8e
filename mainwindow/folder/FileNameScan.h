#pragma once
// One pass over a folder for the file view: the image files with their sizes and dates.
#include "platform/FolderScan.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace velmora {

struct FileViewEntry {
    QString name;
    std::uint64_t size = 0;
    QString date; // DateText of the last write, local time
};

struct FileNameScanResult {
    QList<FileViewEntry> entries; // in name order (CompareFileNames)
    int error = 0;                // errno when the folder could not be listed
};

// The files of kind image (0) or GIF (7) in folder, without opening any of them. Folders are passed
// over, and so is an entry named exactly "pagefile.sys"; a file that vanishes while being listed is
// left out. Requires the file-kind table (BuildFileKindTable).
FileNameScanResult ScanImageFiles(const QString& folder);

// The first half of ScanImageFiles, for a folder too large to wait for: the same files by name
// alone (no call per file where the file system gives the kind), in the file system's own order.
// The listing ends early when stop (may be empty) says so.
platform::FolderListing FindImageFiles(const QString& folder, const std::function<bool()>& stop = {});
// FindImageFiles in name order (CompareFileNames).
platform::FolderListing ListImageFiles(const QString& folder, const std::function<bool()>& stop = {});

// The second half: the sizes and dates of the found files (in any order), handed to deliver in name
// order in batches. The first batch is small and its names are put in order before the rest are, so
// that the first rows of a huge folder need not wait for the whole sort. Stops between batches when
// canceled says so. Returns the number of entries delivered; error: errno when the folder went away.
int DescribeImageFiles(const QString& folder, QList<platform::FolderEntry> files,
                       const std::function<bool()>& canceled,
                       const std::function<void(QList<FileViewEntry>)>& deliver, int* error = nullptr);

} // namespace velmora
