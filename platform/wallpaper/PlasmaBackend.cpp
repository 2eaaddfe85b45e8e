#include "platform/wallpaper/PlasmaBackend.h"

#include "platform/wallpaper/FreshWallpaperFile.h"

#include <QDBusMessage>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QUrl>

#include <memory>
#include <vector>

namespace velmora::platform {
namespace {

constexpr int TiledFillMode = 3;
constexpr int CentredFillMode = 6;
constexpr int CallTimeoutMs = 20000;

// A JSON string is a valid script literal, whatever the text holds.
QString scriptLiteral(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

const QString ForEachDesktop = QStringLiteral("var all = desktops();\n"
                                              "for (var i = 0; i < all.length; ++i) {\n"
                                              "    var d = all[i];\n");

} // namespace

PlasmaBackend::PlasmaBackend(QDBusConnection bus)
    : m_bus(std::move(bus))
{}

QString PlasmaBackend::ReadFillModeScript()
{
    return ForEachDesktop +
           QStringLiteral("    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
                          "    print(d.readConfig(\"FillMode\"));\n"
                          "    break;\n"
                          "}\n");
}

QString PlasmaBackend::WriteFillModeScript(int fillMode)
{
    return ForEachDesktop +
           QStringLiteral("    d.wallpaperPlugin = \"org.kde.image\";\n"
                          "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
                          "    d.writeConfig(\"FillMode\", %1);\n"
                          "}\n")
               .arg(fillMode);
}

QString PlasmaBackend::SetImageScript(const QString& fileUrl)
{
    return ForEachDesktop +
           QStringLiteral("    d.wallpaperPlugin = \"org.kde.image\";\n"
                          "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
                          "    d.writeConfig(\"Image\", %1);\n"
                          "}\n")
               .arg(scriptLiteral(fileUrl));
}

QString PlasmaBackend::SetMonitorImagesScript(const QList<QPair<QString, QString>>& fileUrlsByCorner)
{
    QString files = QStringLiteral("var files = {};\n");
    for (const auto& [corner, url] : fileUrlsByCorner)
        files += QStringLiteral("files[%1] = %2;\n").arg(scriptLiteral(corner), scriptLiteral(url));
    return files + ForEachDesktop +
           QStringLiteral("    var g = screenGeometry(d.screen);\n"
                          "    var file = files[g.x + \",\" + g.y];\n"
                          "    if (file === undefined)\n"
                          "        continue;\n"
                          "    d.wallpaperPlugin = \"org.kde.image\";\n"
                          "    d.currentConfigGroup = [\"Wallpaper\", \"org.kde.image\", \"General\"];\n"
                          "    d.writeConfig(\"Image\", file);\n"
                          "}\n");
}

WallpaperResult PlasmaBackend::evaluate(const QString& script, QString* output)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.plasmashell"), QStringLiteral("/PlasmaShell"),
        QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("evaluateScript"));
    call << script;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (output && !reply.arguments().isEmpty())
            *output = reply.arguments().constFirst().toString();
        return WallpaperResult::success();
    }
    const QString detail = QStringLiteral("%1: %2").arg(reply.errorName(), reply.errorMessage());
    if (reply.errorName() == u"org.freedesktop.DBus.Error.ServiceUnknown" || !m_bus.isConnected())
        return WallpaperResult::failure(
            tr("KDE Plasma のシェル (plasmashell) に接続できません。\n(%1)").arg(detail));
    // Plasma refuses scripts while the widgets are locked; the user has to unlock them.
    return WallpaperResult::failure(tr("KDE Plasma "
                                       "が壁紙の変更を受け付けませんでした。ウィジェットがロック"
                                       "されている場合は、ロックを解除してください。\n(%1)")
                                        .arg(detail));
}

QString PlasmaBackend::ReadTileWallpaper()
{
    QString output;
    if (!evaluate(ReadFillModeScript(), &output))
        return {};
    bool number = false;
    const int fillMode = output.trimmed().toInt(&number);
    if (number && fillMode == TiledFillMode)
        return QStringLiteral("1");
    if (number && fillMode == CentredFillMode)
        return QStringLiteral("0");
    return {};
}

WallpaperResult PlasmaBackend::WriteTileWallpaper(const QString& value)
{
    if (value.isEmpty())
        return WallpaperResult::success();
    return evaluate(WriteFillModeScript(IsTiled(value) ? TiledFillMode : CentredFillMode));
}

WallpaperResult PlasmaBackend::setPerMonitor(const WallpaperPicture& picture)
{
    std::vector<std::unique_ptr<FreshWallpaperFile>> handed;
    QList<QPair<QString, QString>> files;
    const auto keepAll = [&] {
        for (const auto& fresh : handed)
            fresh->commit();
    };
    const QFileInfo info(picture.file);
    for (const MonitorPicture& monitor : picture.monitors) {
        // Named by the corner the script finds the monitor's desktop by.
        const QString corner = QStringLiteral("%1,%2").arg(monitor.geometry.x()).arg(monitor.geometry.y());
        auto fresh = std::make_unique<FreshWallpaperFile>(picture.file, QString(),
                                                          QStringLiteral("%1-%2x%3")
                                                              .arg(info.completeBaseName())
                                                              .arg(monitor.geometry.x())
                                                              .arg(monitor.geometry.y()));
        const bool wallpaperItself =
            !picture.image.isNull() && monitor.image.cacheKey() == picture.image.cacheKey();
        if (WallpaperResult prepared =
                wallpaperItself ? fresh->prepareFromWallpaper() : fresh->prepareFromImage(monitor.image);
            !prepared) {
            keepAll();
            return prepared;
        }
        files.append({corner, QUrl::fromLocalFile(fresh->path()).toString(QUrl::FullyEncoded)});
        handed.push_back(std::move(fresh));
    }
    if (WallpaperResult set = evaluate(SetMonitorImagesScript(files)); !set) {
        for (const auto& fresh : handed)
            fresh->discard();
        return set;
    }
    keepAll();
    QStringList keep;
    for (const auto& fresh : handed)
        keep << fresh->path();
    RemoveOtherMonitorFiles(picture.file, keep);
    return WallpaperResult::success();
}

WallpaperResult PlasmaBackend::SetWallpaper(const WallpaperPicture& picture)
{
    if (!picture.monitors.empty())
        return setPerMonitor(picture);
    FreshWallpaperFile fresh(picture.file);
    if (WallpaperResult prepared = fresh.prepareFromWallpaper(); !prepared)
        return prepared;
    if (WallpaperResult set =
            evaluate(SetImageScript(QUrl::fromLocalFile(fresh.path()).toString(QUrl::FullyEncoded)));
        !set) {
        fresh.discard();
        return set;
    }
    fresh.commit();
    return WallpaperResult::success();
}

} // namespace velmora::platform
