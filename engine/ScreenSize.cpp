#include "engine/ScreenSize.h"

#include "platform/wallpaper/ScreenImage.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace velmora {
namespace {

std::optional<ScreenPixels>& override()
{
    static std::optional<ScreenPixels> value;
    return value;
}

} // namespace

ScreenPixels PrimaryScreenPixels()
{
    if (override())
        return *override();
    const QScreen* screen = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                                ? QGuiApplication::primaryScreen()
                                : nullptr;
    if (!screen)
        return {QSize(1024, 768), 96.0};
    const double ratio = screen->devicePixelRatio();
    const QSize logical = screen->size();
    const double dpi = screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() : 96.0;
    return {platform::PhysicalSize(logical, ratio), dpi * ratio};
}

void OverridePrimaryScreen(std::optional<ScreenPixels> screen)
{
    override() = screen;
}

} // namespace velmora
