#include "platform/wallpaper/SwayBackend.h"

#include "platform/wallpaper/FreshWallpaperFile.h"
#include "platform/wallpaper/ToolRun.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace velmora::platform {
namespace {

const QString Stem = QStringLiteral("velmora-wallpaper");

QString defaultRuntimeFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (base.isEmpty())
        base = QDir::tempPath();
    return QDir(base).filePath(QStringLiteral("velmora"));
}

} // namespace

SwayBackend::SwayBackend(QString runtimeFolder, QString program)
    : m_runtimeFolder(runtimeFolder.isEmpty() ? defaultRuntimeFolder() : std::move(runtimeFolder))
    , m_program(std::move(program))
{}

bool SwayBackend::IsPlainPath(const QString& path)
{
    static const QRegularExpression plain(QStringLiteral("^/[A-Za-z0-9/_.+-]*$"));
    return plain.match(path).hasMatch();
}

WallpaperResult SwayBackend::WriteTileWallpaper(const QString& value)
{
    m_tile = value;
    return WallpaperResult::success();
}

WallpaperResult SwayBackend::SetWallpaper(const WallpaperPicture& picture)
{
    const QString& file = picture.file;
    const QString& tileWallpaper = picture.tileWallpaper;
    QString folder = QFileInfo(file).absolutePath();
    if (!IsPlainPath(folder + u'/')) {
        folder = m_runtimeFolder;
        QDir().mkpath(folder);
    }
    if (!IsPlainPath(folder + u'/'))
        return WallpaperResult::failure(
            QStringLiteral("sway に渡せる壁紙のファイル名を作れません (フォルダー「%1」)。").arg(folder));
    FreshWallpaperFile fresh(file, folder, Stem);
    if (WallpaperResult prepared = fresh.prepareFromWallpaper(); !prepared)
        return prepared;
    const QString mode = IsTiled(tileWallpaper) ? QStringLiteral("tile") : QStringLiteral("center");
    const ToolRun run = ToolRun::run(
        m_program, {QStringLiteral("output"), QStringLiteral("*"), QStringLiteral("bg"), fresh.path(), mode});
    if (!run.ok) {
        fresh.discard();
        return WallpaperResult::failure(QStringLiteral("sway の壁紙を設定できません。\n%1").arg(run.error));
    }
    fresh.commit();
    return WallpaperResult::success();
}

} // namespace velmora::platform
