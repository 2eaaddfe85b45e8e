#include "platform/wallpaper/SwayBackend.h"

#include "platform/wallpaper/FreshWallpaperFile.h"
#include "platform/wallpaper/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>
#include <memory>
#include <vector>

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

// Removes the files handed over before that are not among keep: outputs gone, or the other layout.
void removeOthers(const QString& folder, const QStringList& keep)
{
    const QDir dir(folder);
    for (const QString& name : dir.entryList({Stem + QStringLiteral("-*")}, QDir::Files | QDir::Hidden)) {
        const QString path = dir.filePath(name);
        if (!keep.contains(path))
            QFile::remove(path);
    }
}

QString modeOf(const QString& tileWallpaper)
{
    return IsTiled(tileWallpaper) ? QStringLiteral("tile") : QStringLiteral("center");
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
            tr("sway に渡せる壁紙のファイル名を作れません (フォルダー「%1」)。").arg(folder));
    // An output sway's command line would misread cannot be named: every output gets the primary's.
    const bool perOutput =
        !picture.monitors.empty() && std::all_of(picture.monitors.begin(), picture.monitors.end(),
                                                 [](const MonitorPicture& m) { return IsPlainName(m.name); });
    if (perOutput)
        return setPerOutput(picture, folder);
    FreshWallpaperFile fresh(file, folder, Stem);
    if (WallpaperResult prepared = fresh.prepareFromWallpaper(); !prepared)
        return prepared;
    const ToolRun run = ToolRun::run(m_program, {QStringLiteral("output"), QStringLiteral("*"),
                                                 QStringLiteral("bg"), fresh.path(), modeOf(tileWallpaper)});
    if (!run.ok) {
        fresh.discard();
        return WallpaperResult::failure(tr("sway の壁紙を設定できません。\n%1").arg(run.error));
    }
    fresh.commit();
    removeOthers(folder, {fresh.path()});
    return WallpaperResult::success();
}

bool SwayBackend::IsPlainName(const QString& output)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.+-]+$"));
    return plain.match(output).hasMatch();
}

WallpaperResult SwayBackend::setPerOutput(const WallpaperPicture& picture, const QString& folder)
{
    std::vector<std::unique_ptr<FreshWallpaperFile>> handed;
    QStringList keep;
    const auto undo = [&] {
        for (const auto& fresh : handed)
            fresh->discard();
    };
    for (const MonitorPicture& monitor : picture.monitors) {
        auto fresh = std::make_unique<FreshWallpaperFile>(picture.file, folder, Stem + u'-' + monitor.name);
        // The primary's picture is the wallpaper file itself: a link, not a second copy.
        const bool wallpaperItself =
            !picture.image.isNull() && monitor.image.cacheKey() == picture.image.cacheKey();
        WallpaperResult prepared =
            wallpaperItself ? fresh->prepareFromWallpaper() : fresh->prepareFromImage(monitor.image);
        if (!prepared) {
            undo();
            return prepared;
        }
        const ToolRun run =
            ToolRun::run(m_program, {QStringLiteral("output"), monitor.name, QStringLiteral("bg"),
                                     fresh->path(), modeOf(monitor.tileWallpaper)});
        if (!run.ok) {
            // Outputs already switched show their fresh files: keep those.
            fresh->discard();
            for (const auto& shown : handed)
                shown->commit();
            return WallpaperResult::failure(
                tr("sway の出力 %1 の壁紙を設定できません。\n%2").arg(monitor.name, run.error));
        }
        keep << fresh->path();
        handed.push_back(std::move(fresh));
    }
    for (const auto& fresh : handed)
        fresh->commit();
    removeOthers(folder, keep);
    return WallpaperResult::success();
}

} // namespace velmora::platform
