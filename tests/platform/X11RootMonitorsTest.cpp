#include "platform/wallpaper/X11RootBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QImage>

#include <gtest/gtest.h>

// Last: Xlib's macros (None, Status, Bool) would clash with the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

// Three monitors of different sizes, the middle one lower, with gaps: the root is larger than any.
constexpr int RootWidth = 120;
constexpr int RootHeight = 70;

QImage pattern(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           qRgb((10 + 35 * x + seed * 60) % 256, (200 - 40 * y + seed * 30) % 256,
                                (x * 50 + y * 17 + seed) % 256));
    return image;
}

class RootMonitors : public testing::Test {
protected:
    test::PrivateXServer server{RootWidth, RootHeight};
    test::TempFolder folder;
    Display* display = nullptr;
    std::vector<MonitorPicture> monitors{
        {QStringLiteral("A"), QRect(0, 0, 40, 30), pattern(QSize(7, 5), 1), QStringLiteral("0")},
        {QStringLiteral("B"), QRect(40, 20, 30, 50), pattern(QSize(33, 9), 2), QStringLiteral("0")},
        {QStringLiteral("C"), QRect(75, 0, 44, 44), pattern(QSize(6, 4), 3), QStringLiteral("1")},
    };

    void SetUp() override
    {
        ASSERT_FALSE(server.display().isEmpty()) << "Xvfb did not start";
        display = XOpenDisplay(server.display().toLocal8Bit().constData());
        ASSERT_NE(display, nullptr);
    }
    void TearDown() override
    {
        if (display)
            XCloseDisplay(display);
    }

    WallpaperResult set()
    {
        WallpaperPicture picture(folder.file(QStringLiteral("$$WALL$$.BMP")), QStringLiteral("0"),
                                 monitors.front().image);
        picture.monitors = monitors;
        return X11RootBackend(server.display()).SetWallpaper(picture);
    }

    // Inside a monitor: its picture centred (cut evenly when larger) or tiled from the monitor's
    // corner; black where the picture leaves room and outside every monitor.
    QRgb expected(int x, int y) const
    {
        for (const MonitorPicture& monitor : monitors) {
            if (!monitor.geometry.contains(x, y))
                continue;
            const QImage& image = monitor.image;
            const QPoint inside = QPoint(x, y) - monitor.geometry.topLeft();
            if (monitor.tileWallpaper == u"1")
                return image.pixel(inside.x() % image.width(), inside.y() % image.height());
            const QPoint offset((monitor.geometry.width() - image.width()) / 2,
                                (monitor.geometry.height() - image.height()) / 2);
            const QPoint from = inside - offset;
            return image.rect().contains(from) ? image.pixel(from) : qRgb(0, 0, 0);
        }
        return qRgb(0, 0, 0);
    }

    void expectRoot()
    {
        XImage* image =
            XGetImage(display, DefaultRootWindow(display), 0, 0, RootWidth, RootHeight, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        int wrong = 0;
        for (int y = 0; y < RootHeight; ++y) {
            for (int x = 0; x < RootWidth; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const QRgb got = qRgb((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
                if (got != expected(x, y) && wrong++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got << " instead of "
                                  << expected(x, y);
            }
        }
        XDestroyImage(image);
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(RootMonitors, EachMonitorShowsItsPictureInsideItsRectangleOnly)
{
    const WallpaperResult result = set();
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    // B's picture is wider than B: cut at both sides, not spilling onto A or C. C is tiled from its
    // own corner, not the root's.
    expectRoot();
}

TEST_F(RootMonitors, AMonitorGoneBetweenTwoChangesIsBlackAfterTheSecond)
{
    ASSERT_TRUE(set().ok);
    monitors.pop_back();
    monitors.front().tileWallpaper = QStringLiteral("1");
    monitors.front().image = pattern(QSize(9, 7), 4).convertToFormat(QImage::Format_RGB888);
    const WallpaperResult result = set();
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    expectRoot();
}

TEST_F(RootMonitors, AMonitorReachingPastTheRootIsCutAtTheRootsEdge)
{
    monitors = {
        {QStringLiteral("A"), QRect(100, 50, 40, 40), pattern(QSize(40, 40), 5), QStringLiteral("0")}};
    const WallpaperResult result = set();
    ASSERT_TRUE(result.ok) << result.error.toStdString();
    expectRoot();
}

} // namespace
