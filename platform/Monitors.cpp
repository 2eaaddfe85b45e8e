#include "platform/Monitors.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace velmora::platform {
namespace {

std::optional<MonitorList>& override()
{
    static std::optional<MonitorList> value;
    return value;
}

bool hasScreens()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) && QGuiApplication::primaryScreen();
}

} // namespace

QRect DeviceGeometry(QRect logical, double devicePixelRatio)
{
    return QRect(logical.topLeft(), PhysicalSize(logical.size(), devicePixelRatio));
}

void SortMonitors(MonitorList& monitors)
{
    std::stable_sort(monitors.begin(), monitors.end(), [](const Monitor& a, const Monitor& b) {
        const QPoint p = a.geometry.topLeft();
        const QPoint q = b.geometry.topLeft();
        return p.x() != q.x() ? p.x() < q.x() : p.y() < q.y();
    });
    // A primary marked twice (two outputs cloned) keeps the first; none marked makes the first one.
    bool seen = false;
    for (Monitor& monitor : monitors) {
        monitor.primary = monitor.primary && !seen;
        seen = seen || monitor.primary;
    }
    if (!seen && !monitors.empty())
        monitors.front().primary = true;
}

MonitorList CurrentMonitors()
{
    if (override())
        return *override();
    const ScreenPixels primary = PrimaryScreenPixels();
    // A fixed primary screen (tests) or none at all: the one screen everything else also sees.
    if (!hasScreens() || PrimaryScreenOverridden())
        return {Monitor{{}, QRect(QPoint(0, 0), primary.size), primary.pixelsPerInch, true}};
    MonitorList monitors;
    const QScreen* primaryScreen = QGuiApplication::primaryScreen();
    for (const QScreen* screen : QGuiApplication::screens()) {
        const double ratio = screen->devicePixelRatio();
        const double dpi = screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
        const QRect geometry = DeviceGeometry(screen->geometry(), ratio);
        if (geometry.isEmpty())
            continue;
        monitors.push_back(Monitor{screen->name(), geometry, dpi * ratio, screen == primaryScreen});
    }
    if (monitors.empty())
        return {Monitor{{}, QRect(QPoint(0, 0), primary.size), primary.pixelsPerInch, true}};
    SortMonitors(monitors);
    return monitors;
}

void OverrideMonitors(std::optional<MonitorList> monitors)
{
    if (monitors)
        SortMonitors(*monitors);
    override() = std::move(monitors);
}

QRect MonitorBounds(const MonitorList& monitors)
{
    QRect bounds;
    for (const Monitor& monitor : monitors)
        bounds = bounds.united(monitor.geometry);
    return bounds;
}

const Monitor& PrimaryMonitor(const MonitorList& monitors)
{
    const auto found = std::find_if(monitors.begin(), monitors.end(),
                                    [](const Monitor& monitor) { return monitor.primary; });
    return found != monitors.end() ? *found : monitors.front();
}

} // namespace velmora::platform
