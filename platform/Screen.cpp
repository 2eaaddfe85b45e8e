#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace velmora::platform {
namespace {

std::optional<ScreenPixels>& override()
{
    static std::optional<ScreenPixels> value;
    return value;
}

// Without a GUI application (command-line tests) there is no screen to ask.
QScreen* primaryScreen()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? QGuiApplication::primaryScreen()
                                                                        : nullptr;
}

} // namespace

ScreenPixels PrimaryScreenPixels()
{
    if (override())
        return *override();
    const QScreen* screen = primaryScreen();
    if (!screen)
        return {QSize(1024, 768), 96.0};
    const double ratio = screen->devicePixelRatio();
    const double dpi = screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    return {PhysicalSize(screen->size(), ratio), dpi * ratio};
}

void OverridePrimaryScreen(std::optional<ScreenPixels> screen)
{
    override() = screen;
}

bool PrimaryScreenOverridden()
{
    return override().has_value();
}

QSize PhysicalSize(QSize logical, double devicePixelRatio)
{
    return QSize(qRound(logical.width() * devicePixelRatio), qRound(logical.height() * devicePixelRatio));
}

QSize LargestPhysicalScreenSize()
{
    QSize largest;
    if (!primaryScreen())
        return largest;
    for (const QScreen* screen : QGuiApplication::screens())
        largest = largest.expandedTo(PhysicalSize(screen->size(), screen->devicePixelRatio()));
    return largest;
}

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

} // namespace velmora::platform
