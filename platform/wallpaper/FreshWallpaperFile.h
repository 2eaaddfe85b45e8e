#pragma once
// A new file name for every wallpaper change, for desktops that do not reload a path they already
// show. Two names take turns beside the wallpaper file; the one handed over before is removed once
// the desktop has taken the new one.
#include "platform/wallpaper/WallpaperResult.h"

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <QStringList>

namespace velmora::platform {

class FreshWallpaperFile {
    Q_DECLARE_TR_FUNCTIONS(FreshWallpaperFile)

public:
    // The alternates are <folder>/<stem>-1<suffix> and <folder>/<stem>-2<suffix>; by default the
    // wallpaper file's own folder, name and suffix ("$$WALL$$-1.BMP").
    explicit FreshWallpaperFile(const QString& wallpaperFile, QString folder = {}, QString stem = {});

    // The name the next change hands over: the alternate that is not in use.
    QString path() const { return m_next; }

    // Makes path() a complete copy of the wallpaper file: a hard link (it keeps the bytes of the
    // moment, since the wallpaper file is replaced by rename), else a copy written under a temporary
    // name and renamed.
    WallpaperResult prepareFromWallpaper();
    // Writes a picture made for the desktop (a pre-tiled screen) as path(), complete before use.
    WallpaperResult prepareFromImage(const QImage& image);

    // After the desktop took path(): removes the alternate handed over before.
    void commit();
    // After a failure: removes path(), the desktop still shows the previous one.
    void discard();

private:
    QString m_wallpaper;
    QString m_next;
    QString m_previous;
};

// Removes the files of monitors beside the wallpaper file (<name>-<monitor>-1<suffix> and -2) that
// are not in keep: monitors gone, or the one-picture layout back. The one-picture alternates stay.
void RemoveOtherMonitorFiles(const QString& wallpaperFile, const QStringList& keep);

} // namespace velmora::platform
