#include "platform/FolderScan.h"

#include <QFile>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velmora::platform {
namespace {

struct DirCloser {
    DIR* dir;
    ~DirCloser()
    {
        if (dir)
            closedir(dir);
    }
};

bool isDots(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

// The directory-entry type of what a stat call found: a folder, a regular file, or neither.
unsigned char typeOf(mode_t mode)
{
    return S_ISDIR(mode) ? DT_DIR : S_ISREG(mode) ? DT_REG : DT_UNKNOWN;
}

} // namespace

FolderListing ScanFolder(const QString& folder, const ScanOptions& options)
{
    FolderListing result;
    const QByteArray path = QFile::encodeName(folder);
    DirCloser closer{opendir(path.constData())};
    if (!closer.dir) {
        result.error = errno;
        return result;
    }
    const int fd = dirfd(closer.dir);
    // A folder of a million names takes a while to list; a stop should not wait for its end.
    constexpr unsigned StopCheckInterval = 256;
    for (unsigned read = 1;; ++read) {
        if (options.stopRequested && read % StopCheckInterval == 0 && options.stopRequested()) {
            result.stopped = true;
            break;
        }
        errno = 0;
        const dirent* entry = readdir(closer.dir);
        if (!entry) {
            result.error = errno; // 0 at the end of the listing
            break;
        }
        if (isDots(entry->d_name) || (options.skipHidden && entry->d_name[0] == '.'))
            continue;
        unsigned char type = entry->d_type;
        struct stat info {};
        bool haveInfo = false;
        if (type == DT_UNKNOWN) {
            // Some file systems leave the type to a stat call.
            if (fstatat(fd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0)
                continue;
            type = S_ISLNK(info.st_mode) ? static_cast<unsigned char>(DT_LNK) : typeOf(info.st_mode);
        }
        const bool link = type == DT_LNK;
        if (link) {
            if (fstatat(fd, entry->d_name, &info, 0) != 0)
                continue; // dangling
            haveInfo = true;
            type = typeOf(info.st_mode);
        }
        if (type == DT_DIR) {
            if (options.folders)
                result.entries.append(FolderEntry{QFile::decodeName(entry->d_name), true, link, 0, 0});
            continue;
        }
        // A FIFO, socket or device named like a picture is no picture, and reading one could wait for ever.
        if (type != DT_REG)
            continue;
        QString name = QFile::decodeName(entry->d_name);
        if (options.acceptFile && !options.acceptFile(name))
            continue;
        FolderEntry file{std::move(name), false, link, 0, 0};
        if (options.details) {
            if (!haveInfo && fstatat(fd, entry->d_name, &info, 0) != 0)
                continue; // vanished meanwhile
            if (!S_ISREG(info.st_mode))
                continue; // replaced meanwhile
            file.size = std::uint64_t(info.st_size);
            file.modified = info.st_mtim.tv_sec;
        }
        result.entries.append(std::move(file));
    }
    return result;
}

FolderListing ReadFileDetails(const QString& folder, QList<FolderEntry> files)
{
    FolderListing result;
    const QByteArray path = QFile::encodeName(folder);
    const int fd = open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        result.error = errno;
        return result;
    }
    result.entries.reserve(files.size());
    for (FolderEntry& file : files) {
        struct stat info {};
        if (fstatat(fd, QFile::encodeName(file.name).constData(), &info, 0) != 0 || !S_ISREG(info.st_mode))
            continue; // gone or replaced since it was listed
        file.size = std::uint64_t(info.st_size);
        file.modified = info.st_mtim.tv_sec;
        result.entries.append(std::move(file));
    }
    close(fd);
    return result;
}

LocalTime ToLocalTime(std::int64_t secondsSinceEpoch)
{
    const time_t seconds = static_cast<time_t>(secondsSinceEpoch);
    struct tm local {};
    if (!localtime_r(&seconds, &local))
        return {};
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
            local.tm_min,         local.tm_sec,     true};
}

} // namespace velmora::platform
