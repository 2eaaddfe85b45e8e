#pragma once
// One pass over a folder for the file view: the image files with their sizes and dates.
#include <QList>
#include <QString>

#include <cstdint>

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

} // namespace velmora
