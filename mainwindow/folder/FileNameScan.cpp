#include "mainwindow/folder/FileNameScan.h"

#include "core/FileKinds.h"
#include "mainwindow/folder/FileViewText.h"

#include <QFile>

#include <cerrno>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace velmora {

namespace {

struct DirCloser {
    DIR* dir;
    ~DirCloser()
    {
        if (dir)
            closedir(dir);
    }
};

QString DateOf(const struct stat& info)
{
    const time_t seconds = info.st_mtim.tv_sec;
    struct tm local {};
    if (!localtime_r(&seconds, &local))
        return {};
    return DateText(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                    local.tm_sec);
}

} // namespace

FileNameScanResult ScanImageFiles(const QString& folder)
{
    FileNameScanResult result;
    const QByteArray path = QFile::encodeName(folder);
    DirCloser closer{opendir(path.constData())};
    if (!closer.dir) {
        result.error = errno;
        return result;
    }
    const int fd = dirfd(closer.dir);
    while (const dirent* entry = readdir(closer.dir)) {
        if (entry->d_type == DT_DIR)
            continue;
        if (qstrcmp(entry->d_name, "pagefile.sys") == 0)
            continue;
        const QString name = QFile::decodeName(entry->d_name);
        const std::int16_t kind = FileKind(name);
        if (kind != Kind::Image && kind != Kind::Gif)
            continue;
        struct stat info {};
        if (fstatat(fd, entry->d_name, &info, 0) != 0 || S_ISDIR(info.st_mode))
            continue;
        result.entries.append(FileViewEntry{name, std::uint64_t(info.st_size), DateOf(info)});
    }
    return result;
}

} // namespace velmora
