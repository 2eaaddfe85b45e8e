#pragma once
// Drives on Linux: "/" and the mounted volumes, classified the way the drive-type call numbers them.
#include <QList>
#include <QString>

namespace branchwise {

struct DriveEntry {
    QString mountPath; // "/" or "/media/ann/USB", no trailing separator except for "/"
    QString text;      // the drive list's text, beginning with the mount path
    int type = 0;      // BranchwiseBase::DriveKind
};

// The type of a volume from its mount path and file-system type.
int ClassifyDrive(const QString& mountPath, const QString& fileSystemType);

// The type of the drive whose mount path is given: looked up among the mounted volumes; 1 when the
// path is no folder, 0 when it is not a mount point.
int DriveTypeOf(const QString& mountPath);

// "/" first, then every other mounted volume whose root is a folder, by mount path.
QList<DriveEntry> ListDrives();

// The entry whose mount path is the longest one that begins path (on whole components), or -1.
// An exact match of letter case wins; otherwise a match ignoring case counts when it is the only one.
int DriveOfPath(const QList<DriveEntry>& drives, const QString& path);

} // namespace branchwise
