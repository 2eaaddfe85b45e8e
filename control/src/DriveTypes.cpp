#include "DriveTypes.h"

#include "branchwise/BranchwiseBase.h"

#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <algorithm>

namespace branchwise {

namespace {

bool IsUnder(const QString& path, const QString& folder, Qt::CaseSensitivity cs)
{
    if (folder == QLatin1String("/"))
        return path.startsWith(u'/');
    if (!path.startsWith(folder, cs))
        return false;
    return path.size() == folder.size() || path.at(folder.size()) == u'/';
}

} // namespace

int ClassifyDrive(const QString& mountPath, const QString& fileSystemType)
{
    const QString fs = fileSystemType.toLower();
    if (fs == QLatin1String("iso9660") || fs == QLatin1String("udf"))
        return BranchwiseBase::CdRom;
    static const QSet<QString> remote = {"nfs",   "nfs4",       "cifs",        "smb3",      "smbfs",
                                         "sshfs", "fuse.sshfs", "fuse.rclone", "fuse.s3fs", "fuse.gvfsd-fuse",
                                         "9p",    "afs",        "ceph",        "glusterfs", "fuse.glusterfs",
                                         "davfs", "fuse.davfs2"};
    if (remote.contains(fs))
        return BranchwiseBase::Remote;
    if (fs == QLatin1String("tmpfs") || fs == QLatin1String("ramfs"))
        return BranchwiseBase::RamDisk;
    if (IsUnder(mountPath, QStringLiteral("/media"), Qt::CaseSensitive) ||
        IsUnder(mountPath, QStringLiteral("/run/media"), Qt::CaseSensitive))
        return BranchwiseBase::Removable;
    return BranchwiseBase::Fixed;
}

int DriveTypeOf(const QString& mountPath)
{
    if (!QFileInfo(mountPath).isDir())
        return BranchwiseBase::NoRootDirectory;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.rootPath() == mountPath)
            return ClassifyDrive(mountPath, QString::fromLatin1(volume.fileSystemType()));
    }
    return BranchwiseBase::UnknownDrive;
}

QList<DriveEntry> ListDrives()
{
    QList<DriveEntry> drives;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    auto textOf = [](const QStorageInfo& volume) {
        const QString name = volume.name();
        return name.isEmpty() ? volume.rootPath() : volume.rootPath() + QStringLiteral("  [") + name + u']';
    };
    DriveEntry root{QStringLiteral("/"), QStringLiteral("/"), BranchwiseBase::Fixed};
    QList<DriveEntry> others;
    QSet<QString> seen;
    for (const QStorageInfo& volume : volumes) {
        const QString path = volume.rootPath();
        const int type = ClassifyDrive(path, QString::fromLatin1(volume.fileSystemType()));
        if (path == QLatin1String("/")) {
            root = DriveEntry{path, textOf(volume), type};
            continue;
        }
        if (path.isEmpty() || seen.contains(path) || !QFileInfo(path).isDir())
            continue;
        seen.insert(path);
        others.append(DriveEntry{path, textOf(volume), type});
    }
    std::sort(others.begin(), others.end(),
              [](const DriveEntry& a, const DriveEntry& b) { return a.mountPath < b.mountPath; });
    drives.append(root);
    drives.append(others);
    return drives;
}

int DriveOfPath(const QList<DriveEntry>& drives, const QString& path)
{
    auto longest = [&](Qt::CaseSensitivity cs, bool& ambiguous) {
        int best = -1;
        ambiguous = false;
        for (int i = 0; i < drives.size(); ++i) {
            if (!IsUnder(path, drives[i].mountPath, cs))
                continue;
            if (best < 0 || drives[i].mountPath.size() > drives[best].mountPath.size()) {
                best = i;
                ambiguous = false;
            } else if (drives[i].mountPath.size() == drives[best].mountPath.size()) {
                ambiguous = true;
            }
        }
        return best;
    };
    bool ambiguous = false;
    const int exact = longest(Qt::CaseSensitive, ambiguous);
    const int loose = longest(Qt::CaseInsensitive, ambiguous);
    if (loose >= 0 && !ambiguous &&
        (exact < 0 || drives[loose].mountPath.size() > drives[exact].mountPath.size()))
        return loose;
    return exact;
}

} // namespace branchwise
