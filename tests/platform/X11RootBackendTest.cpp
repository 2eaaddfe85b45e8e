#include "platform/wallpaper/X11RootBackend.h"
#include "tests/support/DesktopTestSupport.h"

#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

// Last: Xlib's macros (None, Status, Bool) would clash with the headers above.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

using namespace velmora;
using namespace velmora::platform;

namespace {

constexpr int ScreenWidth = 40;
constexpr int ScreenHeight = 30;

int lastXError = 0;
int recordXError(Display*, XErrorEvent* event)
{
    lastXError = event->error_code;
    return 0;
}

// A picture of odd size whose every pixel differs, written as the program writes its wallpaper.
QImage picture(QSize size = QSize(7, 5))
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(10 + 35 * x, 200 - 40 * y, (x * 50 + y * 17) % 256));
    return image;
}

QRgb expectedPixel(const QImage& picture, int x, int y, bool tiled)
{
    if (tiled)
        return picture.pixel(x % picture.width(), y % picture.height());
    const QPoint from(x - (ScreenWidth - picture.width()) / 2, y - (ScreenHeight - picture.height()) / 2);
    return picture.rect().contains(from) ? picture.pixel(from) : qRgb(0, 0, 0);
}

class RootWindow : public testing::Test {
protected:
    test::PrivateXServer server{ScreenWidth, ScreenHeight};
    test::TempFolder folder;
    QString wallpaper = folder.file(QStringLiteral("$$WALL$$.BMP"));
    Display* display = nullptr;

    void SetUp() override
    {
        ASSERT_FALSE(server.display().isEmpty()) << "Xvfb did not start";
        ASSERT_TRUE(picture().convertToFormat(QImage::Format_RGB888).save(wallpaper, "BMP"));
        display = XOpenDisplay(server.display().toLocal8Bit().constData());
        ASSERT_NE(display, nullptr);
        XSetErrorHandler(recordXError);
    }
    void TearDown() override
    {
        if (display)
            XCloseDisplay(display);
    }

    // Sets the wallpaper from a process of its own, which has ended when this returns.
    void setFromChild(const QString& tile)
    {
        QProcess child;
        child.start(QStringLiteral(VELMORA_SET_ROOT), {server.display(), wallpaper, tile});
        ASSERT_TRUE(child.waitForFinished(60000));
        ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    }

    Pixmap pixmapProperty(const char* name)
    {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        Pixmap pixmap = None;
        const Atom atom = XInternAtom(display, name, False);
        if (XGetWindowProperty(display, DefaultRootWindow(display), atom, 0, 1, False, XA_PIXMAP, &type,
                               &format, &count, &after, &data) == Success &&
            data && type == XA_PIXMAP && count == 1)
            pixmap = *reinterpret_cast<Pixmap*>(data);
        if (data)
            XFree(data);
        return pixmap;
    }

    bool exists(Pixmap pixmap)
    {
        Window root;
        int x, y;
        unsigned width, height, border, depth;
        lastXError = 0;
        const Status ok = XGetGeometry(display, pixmap, &root, &x, &y, &width, &height, &border, &depth);
        XSync(display, False);
        return ok && lastXError == 0;
    }

    // Compares every pixel of a drawable (the root window or a pixmap) with the expected screen.
    void expectScreen(Drawable drawable, bool tiled, const QImage& source = picture())
    {
        XImage* image = XGetImage(display, drawable, 0, 0, ScreenWidth, ScreenHeight, AllPlanes, ZPixmap);
        ASSERT_NE(image, nullptr);
        int wrong = 0;
        for (int y = 0; y < ScreenHeight; ++y) {
            for (int x = 0; x < ScreenWidth; ++x) {
                const unsigned long pixel = XGetPixel(image, x, y);
                const QRgb got = qRgb((pixel >> 16) & 0xff, (pixel >> 8) & 0xff, pixel & 0xff);
                const QRgb expected = expectedPixel(source, x, y, tiled);
                if (got != expected && wrong++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex << got << " instead of "
                                  << expected;
            }
        }
        XDestroyImage(image);
        EXPECT_EQ(wrong, 0);
    }
};

TEST_F(RootWindow, CentredThenTiledAndThePixmapOutlivesItsMaker)
{
    ASSERT_EQ(DefaultDepth(display, DefaultScreen(display)), 24);

    setFromChild(QStringLiteral("0"));
    const Pixmap centred = pixmapProperty("_XROOTPMAP_ID");
    ASSERT_NE(centred, static_cast<Pixmap>(None));
    EXPECT_EQ(pixmapProperty("ESETROOT_PMAP_ID"), centred);
    EXPECT_TRUE(exists(centred)) << "the pixmap is gone with the process that made it";
    expectScreen(DefaultRootWindow(display), false);
    expectScreen(centred, false);
    EXPECT_EQ(X11RootBackend(server.display()).ReadTileWallpaper(), "0");

    setFromChild(QStringLiteral("1"));
    const Pixmap tiled = pixmapProperty("_XROOTPMAP_ID");
    ASSERT_NE(tiled, static_cast<Pixmap>(None));
    EXPECT_NE(tiled, centred);
    EXPECT_EQ(pixmapProperty("ESETROOT_PMAP_ID"), tiled);
    EXPECT_TRUE(exists(tiled));
    EXPECT_FALSE(exists(centred)) << "the previous pixmap is freed";
    expectScreen(DefaultRootWindow(display), true);
    EXPECT_EQ(X11RootBackend(server.display()).ReadTileWallpaper(), "1");
}

TEST_F(RootWindow, APictureLargerThanTheScreenIsCutEvenlyOrTiledFromTheCorner)
{
    // An odd excess on both sides: the cut is the same as a desktop centring it by itself.
    const QImage large = picture(QSize(53, 37));
    ASSERT_TRUE(large.convertToFormat(QImage::Format_RGB888).save(wallpaper, "BMP"));
    setFromChild(QStringLiteral("0"));
    expectScreen(DefaultRootWindow(display), false, large);
    setFromChild(QStringLiteral("1"));
    expectScreen(DefaultRootWindow(display), true, large);

    // From memory, in a format other than the screen's own.
    const WallpaperResult fromMemory =
        X11RootBackend(server.display())
            .SetWallpaper({wallpaper, QStringLiteral("0"), picture().convertToFormat(QImage::Format_RGB888)});
    ASSERT_TRUE(fromMemory.ok) << fromMemory.error.toStdString();
    expectScreen(DefaultRootWindow(display), false);
}

TEST_F(RootWindow, APixmapOfALiveClientIsNotEnded)
{
    // Another program set _XROOTPMAP_ID alone and is still running: it must survive our change.
    const Window root = DefaultRootWindow(display);
    const Pixmap theirs = XCreatePixmap(display, root, 4, 4, 24);
    const Atom rootId = XInternAtom(display, "_XROOTPMAP_ID", False);
    XChangeProperty(display, root, rootId, XA_PIXMAP, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&theirs), 1);
    XSync(display, False);
    setFromChild(QStringLiteral("1"));
    EXPECT_TRUE(exists(theirs));
    expectScreen(root, true);
}

// Classic setters and desktops that publish their pixmap name it in both properties; only the pixmap
// an earlier run of ours left may be ended.
TEST_F(RootWindow, OnlyThePixmapThisProgramLeftIsEnded)
{
    const Window root = DefaultRootWindow(display);
    // Sets both properties from a client of its own that then goes, keeping its pixmap, as hsetroot
    // does; with forgedMark the root also claims the pixmap as ours, as a mark left from before might.
    const auto setByAnother = [&](bool forgedMark) {
        Display* other = XOpenDisplay(server.display().toLocal8Bit().constData());
        EXPECT_NE(other, nullptr);
        const Pixmap pixmap = XCreatePixmap(other, root, 4, 4, 24);
        for (const char* name : {"_XROOTPMAP_ID", "ESETROOT_PMAP_ID"})
            XChangeProperty(other, root, XInternAtom(other, name, False), XA_PIXMAP, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(&pixmap), 1);
        if (forgedMark)
            XChangeProperty(other, root, XInternAtom(other, "_VELMORA_PMAP_ID", False), XA_PIXMAP, 32,
                            PropModeReplace, reinterpret_cast<const unsigned char*>(&pixmap), 1);
        XSetCloseDownMode(other, RetainPermanent);
        XCloseDisplay(other);
        return pixmap;
    };

    setFromChild(QStringLiteral("0"));
    const Pixmap theirs = setByAnother(false);
    setFromChild(QStringLiteral("1"));
    EXPECT_TRUE(exists(theirs)) << "another setter's pixmap was ended";
    expectScreen(root, true);

    const Pixmap marked = setByAnother(true);
    setFromChild(QStringLiteral("0"));
    EXPECT_TRUE(exists(marked)) << "a mark whose window is gone still ended a pixmap";
    expectScreen(root, false);

    // Ours again and again: the one before is freed as ever.
    const Pixmap again = pixmapProperty("_XROOTPMAP_ID");
    ASSERT_TRUE(exists(again));
    setFromChild(QStringLiteral("1"));
    EXPECT_FALSE(exists(again));
    EXPECT_TRUE(exists(theirs));
}

TEST_F(RootWindow, AnUnreadablePictureOrAMissingServerIsReported)
{
    test::WriteBytes(wallpaper, "not a bitmap");
    const WallpaperResult unreadable =
        X11RootBackend(server.display()).SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(unreadable.ok);
    EXPECT_TRUE(unreadable.error.contains(QStringLiteral("読み込めません")))
        << unreadable.error.toStdString();

    ASSERT_TRUE(picture().save(wallpaper, "BMP"));
    const WallpaperResult noServer =
        X11RootBackend(QStringLiteral(":999")).SetWallpaper({wallpaper, QStringLiteral("1")});
    EXPECT_FALSE(noServer.ok);
    EXPECT_TRUE(noServer.error.contains(QStringLiteral(":999"))) << noServer.error.toStdString();
    EXPECT_EQ(X11RootBackend(QStringLiteral(":999")).ReadTileWallpaper(), "");
}

} // namespace
