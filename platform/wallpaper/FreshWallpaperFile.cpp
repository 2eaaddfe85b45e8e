#include "platform/wallpaper/FreshWallpaperFile.h"

#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace velmora::platform {
namespace {

QString alternate(const QString& folder, const QString& stem, const QString& suffix, int number)
{
    return QDir(folder).filePath(QStringLiteral("%1-%2%3").arg(stem).arg(number).arg(suffix));
}

WallpaperResult writeFailure(const QString& path, const QString& detail)
{
    return WallpaperResult::failure(FreshWallpaperFile::tr("壁紙のファイル「%1」を作成できません。\n(%2)")
                                        .arg(QDir::toNativeSeparators(path), detail));
}

} // namespace

FreshWallpaperFile::FreshWallpaperFile(const QString& wallpaperFile, QString folder, QString stem)
    : m_wallpaper(wallpaperFile)
{
    const QFileInfo info(wallpaperFile);
    if (folder.isEmpty())
        folder = info.absolutePath();
    QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    if (stem.isEmpty())
        stem = info.completeBaseName();
    const QString first = alternate(folder, stem, suffix, 1);
    const QString second = alternate(folder, stem, suffix, 2);
    const QFileInfo firstInfo(first);
    const QFileInfo secondInfo(second);
    // The newer existing alternate is the one the desktop shows now (both exist only after a crash).
    const bool firstInUse =
        firstInfo.exists() && (!secondInfo.exists() || firstInfo.lastModified() >= secondInfo.lastModified());
    m_next = firstInUse ? second : first;
    m_previous = firstInUse ? first : second;
}

WallpaperResult FreshWallpaperFile::prepareFromWallpaper()
{
    QFile::remove(m_next);
    const QByteArray from = QFile::encodeName(m_wallpaper);
    const QByteArray to = QFile::encodeName(m_next);
    if (::link(from.constData(), to.constData()) == 0)
        return WallpaperResult::success();
    // File systems without hard links (or another device) get a copy.
    QFile source(m_wallpaper);
    if (!source.open(QIODevice::ReadOnly))
        return writeFailure(m_next, source.errorString());
    AtomicFileWriter target(m_next, FileReaders::OwnerOnly);
    while (!source.atEnd()) {
        const QByteArray chunk = source.read(1 << 20);
        if (chunk.isEmpty() && source.error() != QFileDevice::NoError)
            return writeFailure(m_next, source.errorString());
        if (!target.write(chunk.constData(), chunk.size()))
            return writeFailure(m_next, qt_error_string(target.error()));
    }
    if (!target.commit())
        return writeFailure(m_next, qt_error_string(target.error()));
    return WallpaperResult::success();
}

WallpaperResult FreshWallpaperFile::prepareFromImage(const QImage& image)
{
    QFile::remove(m_next);
    QBuffer encoded;
    encoded.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB888).save(&encoded, "BMP"))
        return writeFailure(m_next, QStringLiteral("BMP"));
    AtomicFileWriter target(m_next, FileReaders::OwnerOnly);
    if (!target.write(encoded.data().constData(), encoded.data().size()) || !target.commit())
        return writeFailure(m_next, qt_error_string(target.error()));
    return WallpaperResult::success();
}

void FreshWallpaperFile::commit()
{
    QFile::remove(m_previous);
}

void FreshWallpaperFile::discard()
{
    QFile::remove(m_next);
}

void RemoveOtherMonitorFiles(const QString& wallpaperFile, const QStringList& keep)
{
    const QFileInfo info(wallpaperFile);
    const QDir dir = info.absoluteDir();
    const QString prefix = info.completeBaseName() + u'-';
    const QString suffix = info.suffix().isEmpty() ? QString() : u'.' + info.suffix();
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (!name.startsWith(prefix) || !name.endsWith(suffix))
            continue;
        const QString middle = name.mid(prefix.size(), name.size() - prefix.size() - suffix.size());
        // "1" and "2" are the one-picture alternates; a monitor's are "<monitor>-1" and "<monitor>-2".
        if (middle.size() < 3 || !(middle.endsWith(u"-1") || middle.endsWith(u"-2")))
            continue;
        if (!keep.contains(dir.filePath(name)))
            QFile::remove(dir.filePath(name));
    }
}

} // namespace velmora::platform
