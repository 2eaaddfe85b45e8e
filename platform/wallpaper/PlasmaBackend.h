#pragma once
// KDE Plasma: scripts sent to plasmashell's D-Bus scripting interface (org.kde.plasmashell,
// /PlasmaShell, evaluateScript) set the picture and FillMode (3 tiled, 6 centred) on every desktop;
// with several monitors each desktop gets its screen's picture ("$$WALL$$-<corner>-1.BMP" ...).
#include "platform/wallpaper/WallpaperBackend.h"

#include <QCoreApplication>
#include <QDBusConnection>

namespace velmora::platform {

class PlasmaBackend final : public WallpaperBackend {
    Q_DECLARE_TR_FUNCTIONS(PlasmaBackend)

public:
    explicit PlasmaBackend(QDBusConnection bus = QDBusConnection::sessionBus());

    QString name() const override { return QStringLiteral("KDE Plasma"); }
    QString ReadTileWallpaper() override;
    WallpaperResult WriteTileWallpaper(const QString& value) override;
    WallpaperResult SetWallpaper(const WallpaperPicture& picture) override;

    // The scripts sent, public for tests. Values reach the script as JSON literals.
    static QString ReadFillModeScript();
    static QString WriteFillModeScript(int fillMode);
    static QString SetImageScript(const QString& fileUrl);
    // Each desktop whose screen's top left corner is a monitor's gets that monitor's file; a
    // desktop of a screen not listed keeps its picture. Keys are "x,y".
    static QString SetMonitorImagesScript(const QList<QPair<QString, QString>>& fileUrlsByCorner);

    // One picture per desktop containment, found by its screen.
    bool ShowsMonitorMode(MonitorMode) const override { return true; }

private:
    WallpaperResult setPerMonitor(const WallpaperPicture& picture);
    // Plasma's print() output, or a failure naming the D-Bus error (such as locked widgets).
    WallpaperResult evaluate(const QString& script, QString* output = nullptr);

    QDBusConnection m_bus;
};

} // namespace velmora::platform
