// A stored window place (ThumbLeft/ThumbTop, MainLeft/MainTop) is the frame's corner, title bar
// included: applied so under a window manager that draws frames (openbox), and stored back so.
#include "tests/e2e/ProgramRun.h"
#include "tests/e2e/X11Desktop.h"

#include <gtest/gtest.h>

using namespace velmora::test;

namespace {

// The screen of the runs has 15 twips to the pixel.
QString Twips(int pixels)
{
    return QStringLiteral(" %1").arg(pixels * 15);
}

} // namespace

TEST(EndToEnd, TheThumbnailWindowIsPlacedAndStoredByItsFrame)
{
    ProgramRun velmora;
    velmora.writeSettings("ThumbLeft= 3000\r\nThumbTop= 1500\r\nThumbWidth= 4500\r\nThumbHeight= 3000\r\n");
    ASSERT_TRUE(velmora.startWindowManager()) << "openbox did not answer within 20 s";
    velmora.start({});
    const std::optional<QString> main = velmora.waitForMainWindow();
    ASSERT_TRUE(main) << "no main window; visible windows: " << velmora.visibleWindows().toStdString();

    // View menu (Alt+V), then its item "サムネイル表示(&N)".
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), *main}));
    ASSERT_TRUE(velmora.xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("200"),
                                 QStringLiteral("alt+v"), QStringLiteral("n")}));
    const std::optional<QString> thumbnails = velmora.waitForOtherWindow(*main);
    ASSERT_TRUE(thumbnails) << "the thumbnail window did not open";
    ASSERT_TRUE(PollUntil([&] { return velmora.frameTop(*thumbnails) > 0; })) << "openbox drew no title bar";
    std::optional<QPoint> corner;
    EXPECT_TRUE(PollUntil([&] { return (corner = velmora.frameCorner(*thumbnails)) == QPoint(200, 100); }))
        << "the thumbnail window's frame is at " << corner.value_or(QPoint()).x() << ", "
        << corner.value_or(QPoint()).y();

    // The window did not move: what the exit stores is what was read.
    EXPECT_EQ(velmora.stop(), 0);
    EXPECT_EQ(velmora.setting(QStringLiteral("ThumbLeft")), Twips(200));
    EXPECT_EQ(velmora.setting(QStringLiteral("ThumbTop")), Twips(100));
}

TEST(EndToEnd, TheMainWindowIsPlacedAndStoredByItsFrame)
{
    // A stored size the content does not fit in is corrected before the show: corrected after it,
    // the window would be placed by its client area again.
    for (const char* size :
         {"MainWidth= 10500\r\nMainHeight= 7500\r\n", "MainWidth= 1500\r\nMainHeight= 1500\r\n"}) {
        SCOPED_TRACE(size);
        ProgramRun velmora;
        velmora.writeSettings(QByteArray("MainLeft= 1500\r\nMainTop= 0\r\n") + size);
        ASSERT_TRUE(velmora.startWindowManager()) << "openbox did not answer within 20 s";
        velmora.start({});
        const std::optional<QString> main = velmora.waitForMainWindow();
        ASSERT_TRUE(main) << "no main window; visible windows: " << velmora.visibleWindows().toStdString();
        ASSERT_TRUE(PollUntil([&] { return velmora.frameTop(*main) > 0; })) << "openbox drew no title bar";
        // MainTop 0: the title bar at the screen's top edge, not above it.
        std::optional<QPoint> corner;
        EXPECT_TRUE(PollUntil([&] { return (corner = velmora.frameCorner(*main)) == QPoint(100, 0); }))
            << "the main window's frame is at " << corner.value_or(QPoint()).x() << ", "
            << corner.value_or(QPoint()).y();

        EXPECT_EQ(velmora.stop(), 0);
        EXPECT_EQ(velmora.setting(QStringLiteral("MainLeft")), Twips(100));
        EXPECT_EQ(velmora.setting(QStringLiteral("MainTop")), Twips(0));
    }
}
