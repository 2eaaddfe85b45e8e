#include "platform/Monitors.h"
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

using namespace velmora::platform;

TEST(PhysicalScreenSize, IsTheLogicalSizeTimesTheRatio)
{
    EXPECT_EQ(PhysicalSize(QSize(1280, 720), 2.0), QSize(2560, 1440));
    EXPECT_EQ(PhysicalSize(QSize(1536, 864), 1.25), QSize(1920, 1080));
    EXPECT_EQ(PhysicalSize(QSize(1366, 768), 1.0), QSize(1366, 768));
    EXPECT_EQ(PhysicalSize(QSize(1097, 617), 1.75), QSize(1920, 1080)); // rounded, not cut
}

// The test program scales the screens by 2: the screen reports half its pixels as its logical size.
TEST(PhysicalScreenSize, OfAScaledScreenCountsDevicePixels)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    ASSERT_DOUBLE_EQ(screen->devicePixelRatio(), 2.0);
    EXPECT_EQ(PrimaryScreenPixels().size, screen->size() * 2);
    EXPECT_EQ(LargestPhysicalScreenSize(), screen->size() * 2);
}

TEST(PhysicalScreenSize, EveryMonitorOfAScaledScreenCountsDevicePixels)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    const MonitorList monitors = CurrentMonitors();
    ASSERT_EQ(monitors.size(), static_cast<size_t>(QGuiApplication::screens().size()));
    EXPECT_EQ(monitors.front().geometry, QRect(screen->geometry().topLeft(), screen->size() * 2));
    EXPECT_DOUBLE_EQ(monitors.front().pixelsPerInch, PrimaryScreenPixels().pixelsPerInch);
    EXPECT_TRUE(monitors.front().primary);
}
