// The program against real desktops, each started headless: the screen must show the picture the
// program installed, centred and then tiled, and the second change must show the second picture
// (a desktop that kept the file it had loaded would still show the first).
#include "tests/e2e/ProgramRun.h"
#include "tests/e2e/RealDesktops.h"
#include "tests/e2e/X11Desktop.h"

#include <gtest/gtest.h>

#include <unistd.h>

using namespace velmora::test;

namespace {

const QSize Picture(96, 64);
const QRgb Red = qRgb(220, 30, 40);
const QRgb Blue = qRgb(20, 60, 210);

QImage Solid(QRgb colour)
{
    QImage image(Picture, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// How the screen differs from the picture: pixels of the picture's area that are not its colour,
// and, when centred, pixels outside it that are (a stretched or tiled picture).
struct Difference {
    int inside = 0;
    int outside = 0;
    bool none() const { return inside == 0 && outside == 0; }
};

Difference Compare(const QImage& screen, QRgb colour, bool tiled)
{
    Difference d;
    const QRect centred(
        QPoint((screen.width() - Picture.width()) / 2, (screen.height() - Picture.height()) / 2), Picture);
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            const bool same = (screen.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
            if (tiled || centred.contains(x, y))
                d.inside += !same;
            else
                d.outside += same;
        }
    return d;
}

// Waits for the desktop to show the picture: it draws a while after the program has handed it over.
Difference WaitForScreen(const RealDesktop& desktop, QRgb colour, bool tiled)
{
    Difference last{-1, -1};
    PollUntil(
        [&] {
            const QImage screen = desktop.screenshot();
            if (screen.isNull())
                return false;
            last = Compare(screen, colour, tiled);
            return last.none();
        },
        30000);
    return last;
}

// Two changes through "-ng -s": the first picture centred, then the second tiled. AutoTileMode
// chooses the placement by the screen's area over the picture's: under 200 centred, over 10 tiled.
void ChangeTwice(ProgramRun& velmora, const RealDesktop& desktop)
{
    const QString red = velmora.picture(QStringLiteral("red.png"), Solid(Red));
    const QString blue = velmora.picture(QStringLiteral("blue.png"), Solid(Blue));
    WriteBytes(velmora.program().file(QStringLiteral("lfname.dat")), "Velmora.lst\r\n");
    WriteBytes(velmora.program().file(QStringLiteral("Velmora.lst")),
               (blue + QStringLiteral("\r\n") + red + QStringLiteral("\r\n") + blue + QStringLiteral("\r\n"))
                   .toUtf8());
    velmora.setSessionEnvironment(desktop.session());

    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 0\r\nAutoTileMode= 1\r\nSizeChangeLimit= 200\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    const Difference centred = WaitForScreen(desktop, Red, false);
    EXPECT_TRUE(centred.none()) << "the first picture, centred: " << centred.inside
                                << " of its pixels wrong, " << centred.outside << " outside it";

    velmora.writeSettings("ListMode= 2\r\nFileIndex2= 1\r\nAutoTileMode= 1\r\nSizeChangeLimit= 10\r\n");
    ASSERT_EQ(velmora.run({QStringLiteral("-ng"), QStringLiteral("-s")}), 0);
    const Difference tiled = WaitForScreen(desktop, Blue, true);
    EXPECT_TRUE(tiled.none()) << "the second picture, tiled: " << tiled.inside << " pixels wrong";
}

TEST(RealDesktop, LxqtShowsBothPictures)
{
    ProgramRun velmora;
    LxqtDesktop desktop(velmora.display(), velmora.home());
    if (!desktop.notReady().isEmpty())
        GTEST_SKIP() << desktop.notReady().toStdString();
    ChangeTwice(velmora, desktop);
}

TEST(RealDesktop, XfceShowsBothPictures)
{
    ProgramRun velmora;
    XfceDesktop desktop(velmora.display(), velmora.home());
    if (!desktop.notReady().isEmpty())
        GTEST_SKIP() << desktop.notReady().toStdString();
    ChangeTwice(velmora, desktop);
}

TEST(RealDesktop, SwayShowsBothPictures)
{
    ProgramRun velmora;
    SwayDesktop desktop(640, 400);
    if (!desktop.notReady().isEmpty())
        GTEST_SKIP() << desktop.notReady().toStdString();
    if (::geteuid() == 0)
        velmora.runAsUser(desktop.uid(), desktop.gid());
    ChangeTwice(velmora, desktop);
}

} // namespace
