#include "app/core/ScreenMetrics.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace velmora {
namespace {

QScreen* primaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

} // namespace

double TwipsPerPixel()
{
    const QScreen* screen = primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

ScreenTwips PrimaryScreenTwips()
{
    const QScreen* screen = primaryScreen();
    const QSize size = screen ? screen->size() : QSize(1024, 768);
    const double twips = TwipsPerPixel();
    return {static_cast<std::int32_t>(std::lround(size.width() * twips)),
            static_cast<std::int32_t>(std::lround(size.height() * twips))};
}

} // namespace velmora
