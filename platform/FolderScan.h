#pragma once
// One pass over a folder with a single directory listing: what the file view, the folder patrol and
// the sub-folder search read. Safe on worker threads.
#include <QList>
#include <QString>

#include <cstdint>
#include <functional>

namespace velmora::platform {

struct FolderEntry {
    QString name;
    bool folder = false;       // a sub-folder, or a link to one (see link)
    bool link = false;         // the name is a symbolic link
    std::uint64_t size = 0;    // files, with ScanOptions::details
    std::int64_t modified = 0; // files, with details: last write, seconds since the epoch
};

struct ScanOptions {
    // Report sub-folders and links to folders as well as files.
    bool folders = false;
    // Look up each kept file's size and time (one stat call a file).
    bool details = false;
    // Leave out names that start with a dot (hidden files and folders), as a file manager does.
    bool skipHidden = false;
    // Which files to keep, by name, before any per-file system call; all when empty.
    std::function<bool(const QString& name)> acceptFile;
    // Asked now and then during a long listing; true ends the listing early (see stopped).
    std::function<bool()> stopRequested;
};

struct FolderListing {
    QList<FolderEntry> entries; // in the order the file system returned them
    int error = 0;              // errno when the folder could not be listed, or not to its end
    bool stopped = false;       // ended early at stopRequested: entries holds what came before
};

// The entries of folder, "." and ".." left out. A link is reported as what it points to; a
// dangling link, or a file that vanishes while it is listed, is left out. Files are regular files:
// FIFOs, sockets and devices (and links to them) are left out.
FolderListing ScanFolder(const QString& folder, const ScanOptions& options = {});

// The size and time of each of files (found in folder by ScanFolder), in the order given; one that
// is gone since, or is no longer a regular file, is left out. error: errno when the folder cannot
// be opened. Lets a caller list a large folder by name first and look up the details of a part.
FolderListing ReadFileDetails(const QString& folder, QList<FolderEntry> files);

struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool valid = false;
};

// A time of FolderEntry::modified in the local time zone.
LocalTime ToLocalTime(std::int64_t secondsSinceEpoch);

} // namespace velmora::platform
