#include "platform/wallpaper/XfceBackend.h"

#include "platform/wallpaper/FreshWallpaperFile.h"
#include "platform/wallpaper/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <memory>
#include <vector>

namespace velmora::platform {
namespace {

const QString Channel = QStringLiteral("xfce4-desktop");
const QString LastImage = QStringLiteral("last-image");
const QString ImageStyle = QStringLiteral("image-style");
// xfdesktop's image-style values.
const QString CentredStyle = QStringLiteral("1");
const QString TiledStyle = QStringLiteral("2");

QStringList screenNames()
{
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        if (!screen->name().isEmpty())
            names << screen->name();
    return names;
}

// A monitor's part of a property path: "/monitorHDMI-1/".
QString monitorPart(const QString& name)
{
    return QStringLiteral("/monitor%1/").arg(name);
}

// A file name part of an output name: characters a file name should not hold become "_".
QString fileNamePart(QString name)
{
    for (QChar& c : name)
        if (!c.isLetterOrNumber() && c != u'-' && c != u'_' && c != u'.')
            c = u'_';
    return name;
}

} // namespace

XfceBackend::XfceBackend(QStringList monitors, QString program)
    : m_monitors(monitors.isEmpty() ? screenNames() : std::move(monitors))
    , m_program(std::move(program))
{}

WallpaperResult XfceBackend::targets(const QString& leaf, QStringList* existing, QStringList* created)
{
    const ToolRun list = ToolRun::run(m_program, {QStringLiteral("-c"), Channel, QStringLiteral("-p"),
                                                  QStringLiteral("/backdrop"), QStringLiteral("-l")});
    // A channel xfdesktop has never written makes the listing fail; only a missing tool is an error.
    if (!list.started)
        return WallpaperResult::failure(list.error);
    for (const QString& line : list.output.split(u'\n', Qt::SkipEmptyParts)) {
        const QString property = line.trimmed();
        if (property.startsWith(u"/backdrop/") && property.section(u'/', -1) == leaf)
            existing->append(property);
    }
    if (!existing->isEmpty())
        return WallpaperResult::success();
    for (const QString& monitor : m_monitors)
        created->append(QStringLiteral("/backdrop/screen0/monitor%1/workspace0/%2").arg(monitor, leaf));
    if (created->isEmpty())
        return WallpaperResult::failure(
            tr("XFCE のデスクトップ設定に壁紙の項目 (%1) が見つかりません。").arg(leaf));
    return WallpaperResult::success();
}

WallpaperResult XfceBackend::setAll(const QString& leaf, const QString& type, const QString& value,
                                    int* written)
{
    QStringList existing;
    QStringList created;
    if (WallpaperResult found = targets(leaf, &existing, &created); !found)
        return found;
    QList<QStringList> calls;
    for (const QString& property : existing)
        calls << QStringList{QStringLiteral("-c"), Channel, QStringLiteral("-p"), property,
                             QStringLiteral("-s"), value};
    for (const QString& property : created)
        calls << QStringList{
            QStringLiteral("-c"), Channel, QStringLiteral("-p"), property, QStringLiteral("-n"),
            QStringLiteral("-t"), type,    QStringLiteral("-s"), value};
    for (const QStringList& arguments : calls) {
        const ToolRun run = ToolRun::run(m_program, arguments);
        if (!run.ok)
            return WallpaperResult::failure(
                tr("XFCE の壁紙の設定 (%1) を書き込めません。\n%2").arg(arguments.at(3), run.error));
        if (written)
            ++*written;
    }
    return WallpaperResult::success();
}

QString XfceBackend::ReadTileWallpaper()
{
    QStringList existing;
    QStringList created;
    if (!targets(ImageStyle, &existing, &created) || existing.isEmpty())
        return {};
    existing.sort();
    const ToolRun run =
        ToolRun::run(m_program, {QStringLiteral("-c"), Channel, QStringLiteral("-p"), existing.front()});
    const QString style = run.output.trimmed();
    if (!run.ok)
        return {};
    if (style == TiledStyle)
        return QStringLiteral("1");
    if (style == CentredStyle)
        return QStringLiteral("0");
    return {};
}

WallpaperResult XfceBackend::WriteTileWallpaper(const QString& value)
{
    if (value.isEmpty())
        return WallpaperResult::success();
    return setAll(ImageStyle, QStringLiteral("int"), IsTiled(value) ? TiledStyle : CentredStyle);
}

WallpaperResult XfceBackend::setPerMonitor(const WallpaperPicture& picture)
{
    QStringList existing;
    QStringList created;
    if (WallpaperResult found = targets(LastImage, &existing, &created); !found)
        return found;
    // Which properties each monitor has; none known for any of them (xfdesktop counts monitors by
    // number) leaves one picture for all.
    std::vector<QStringList> properties;
    bool anyKnown = false;
    for (const MonitorPicture& monitor : picture.monitors) {
        QStringList own;
        for (const QString& property : existing)
            if (property.contains(monitorPart(monitor.name)))
                own << property;
        anyKnown = anyKnown || !own.isEmpty() || existing.isEmpty();
        if (own.isEmpty())
            own << QStringLiteral("/backdrop/screen0%1workspace0/%2")
                       .arg(monitorPart(monitor.name), LastImage);
        properties.push_back(own);
    }
    if (!anyKnown)
        return setAllMonitors(picture);

    std::vector<std::unique_ptr<FreshWallpaperFile>> handed;
    QStringList keep;
    for (size_t index = 0; index < picture.monitors.size(); ++index) {
        const MonitorPicture& monitor = picture.monitors[index];
        const QFileInfo info(picture.file);
        auto fresh = std::make_unique<FreshWallpaperFile>(
            picture.file, QString(), info.completeBaseName() + u'-' + fileNamePart(monitor.name));
        const bool wallpaperItself =
            !picture.image.isNull() && monitor.image.cacheKey() == picture.image.cacheKey();
        WallpaperResult prepared =
            wallpaperItself ? fresh->prepareFromWallpaper() : fresh->prepareFromImage(monitor.image);
        if (!prepared) {
            for (const auto& shown : handed)
                shown->commit();
            return prepared;
        }
        for (const QString& property : properties[index]) {
            QStringList arguments{QStringLiteral("-c"), Channel, QStringLiteral("-p"), property};
            if (!existing.contains(property))
                arguments << QStringLiteral("-n") << QStringLiteral("-t") << QStringLiteral("string");
            arguments << QStringLiteral("-s") << fresh->path();
            const ToolRun run = ToolRun::run(m_program, arguments);
            if (!run.ok) {
                for (const auto& shown : handed)
                    shown->commit();
                return WallpaperResult::failure(
                    tr("XFCE の壁紙の設定 (%1) を書き込めません。\n%2").arg(property, run.error));
            }
        }
        keep << fresh->path();
        handed.push_back(std::move(fresh));
    }
    for (const auto& fresh : handed)
        fresh->commit();
    RemoveOtherMonitorFiles(picture.file, keep);
    return WallpaperResult::success();
}

WallpaperResult XfceBackend::SetWallpaper(const WallpaperPicture& picture)
{
    const bool named = std::all_of(picture.monitors.begin(), picture.monitors.end(),
                                   [](const MonitorPicture& monitor) { return !monitor.name.isEmpty(); });
    if (!picture.monitors.empty() && named)
        return setPerMonitor(picture);
    return setAllMonitors(picture);
}

WallpaperResult XfceBackend::setAllMonitors(const WallpaperPicture& picture)
{
    FreshWallpaperFile fresh(picture.file);
    if (WallpaperResult prepared = fresh.prepareFromWallpaper(); !prepared)
        return prepared;
    int written = 0;
    if (WallpaperResult set = setAll(LastImage, QStringLiteral("string"), fresh.path(), &written); !set) {
        // Monitors already switched show the fresh file: keep it.
        if (written == 0)
            fresh.discard();
        return set;
    }
    fresh.commit();
    return WallpaperResult::success();
}

} // namespace velmora::platform
