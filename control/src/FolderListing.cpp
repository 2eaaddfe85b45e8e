#include "FolderListing.h"

#include <QFile>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace branchwise {

namespace {

// Closes the listing on every way out.
struct DirCloser {
    DIR* dir;
    ~DirCloser()
    {
        if (dir)
            closedir(dir);
    }
};

bool IsFolderEntry(DIR* dir, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
        return false;
    struct stat info {};
    return fstatat(dirfd(dir), entry->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
}

} // namespace

QStringList ListSubfolders(const QString& folder, bool stopAtFirst)
{
    QStringList names;
    const QByteArray path = QFile::encodeName(folder.isEmpty() ? QStringLiteral("/") : folder);
    DirCloser closer{opendir(path.constData())};
    if (!closer.dir)
        return names;
    while (const dirent* entry = readdir(closer.dir)) {
        const char* name = entry->d_name;
        if ((name[0] == '.' && name[1] == 0) || (name[0] == '.' && name[1] == '.' && name[2] == 0))
            continue;
        if (qstrcmp(name, "pagefile.sys") == 0)
            continue;
        if (!IsFolderEntry(closer.dir, entry))
            continue;
        names.append(QFile::decodeName(name));
        if (stopAtFirst)
            break;
    }
    return names;
}

QString JoinPath(const QString& folder, const QString& name)
{
    if (folder.endsWith(u'/'))
        return folder + name;
    return folder + u'/' + name;
}

QString AddSeparator(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

} // namespace branchwise
