// Bringing a stored frame back onto the screens, worked on rectangles alone.
#include "ui/FramePlacement.h"

#include <gtest/gtest.h>

using velmora::FrameOnScreens;

namespace {

const QRect Laptop(0, 0, 1366, 740);           // free area under a 28-pixel panel
const QRect LeftMonitor(-1920, 0, 1920, 1050); // a second screen left of the first, at x < 0

TEST(FrameOnScreens, AFrameWhoseTitleBarShowsStaysWhereItIs)
{
    EXPECT_EQ(FrameOnScreens(QRect(7, 7, 600, 400), {Laptop}), QRect(7, 7, 600, 400));
    // Hanging off the right and bottom edges still leaves the title bar to grab.
    EXPECT_EQ(FrameOnScreens(QRect(1200, 500, 600, 400), {Laptop}), QRect(1200, 500, 600, 400));
    // On the screen left of the first, at negative x.
    EXPECT_EQ(FrameOnScreens(QRect(-1500, 100, 600, 400), {Laptop, LeftMonitor}),
              QRect(-1500, 100, 600, 400));
    // Across both screens.
    EXPECT_EQ(FrameOnScreens(QRect(-300, 100, 600, 400), {Laptop, LeftMonitor}), QRect(-300, 100, 600, 400));
}

TEST(FrameOnScreens, ATitleBarAboveTheTopComesDown)
{
    EXPECT_EQ(FrameOnScreens(QRect(100, -15, 600, 400), {Laptop}), QRect(100, 0, 600, 400));
    const QRect belowPanel(0, 30, 1366, 738);
    EXPECT_EQ(FrameOnScreens(QRect(100, 10, 600, 400), {belowPanel}), QRect(100, 30, 600, 400))
        << "the free area counts, not the whole screen";
}

TEST(FrameOnScreens, AFrameOnAScreenThatIsGoneComesToTheNearestOne)
{
    // Left on the screen at x < 0, which is no longer there.
    EXPECT_EQ(FrameOnScreens(QRect(-1500, 100, 600, 400), {Laptop}), QRect(0, 100, 600, 400));
    // Far right and below: into the corner, whole.
    EXPECT_EQ(FrameOnScreens(QRect(3000, 2000, 600, 400), {Laptop}), QRect(766, 340, 600, 400));
    // Of two screens, the one holding most of the frame takes it.
    const QRect right(1366, 0, 1280, 1024);
    EXPECT_EQ(FrameOnScreens(QRect(1300, -200, 600, 400), {Laptop, right}), QRect(1366, 0, 600, 400));
    // Nothing shared: the closer screen.
    EXPECT_EQ(FrameOnScreens(QRect(-300, 1500, 200, 100), {Laptop, LeftMonitor}), QRect(-300, 950, 200, 100));
}

TEST(FrameOnScreens, AFrameLargerThanTheScreenGetsItsTopLeftCorner)
{
    EXPECT_EQ(FrameOnScreens(QRect(-50, -40, 2000, 1000), {Laptop}), QRect(0, 0, 2000, 1000));
    // Wider only: its left edge at the screen's, its title bar just down onto it.
    EXPECT_EQ(FrameOnScreens(QRect(-600, -20, 2000, 300), {Laptop}), QRect(0, 0, 2000, 300));
}

TEST(FrameOnScreens, WithNoScreensKnownNothingMoves)
{
    EXPECT_EQ(FrameOnScreens(QRect(-5000, -5000, 10, 10), {}), QRect(-5000, -5000, 10, 10));
}

} // namespace
