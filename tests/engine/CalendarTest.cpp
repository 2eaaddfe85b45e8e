#include "engine/Calendar.h"
#include "engine/TextSettings.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

using test::FlatImage;

constexpr platform::ScreenPixels kScreen{QSize(1920, 1080), 96.0}; // 15 twips a pixel
const QDate kToday(2026, 12, 7);

TEST(CalendarOrigin, PutsTheCalendarInTheChosenCornerInsideItsMargins)
{
    const QSize image(1000, 800);
    const CalendarCell cell{40, 20}; // calendar 280 x 160
    const struct {
        int corner;
        QPointF origin;
    } cases[] = {{0, {30, 10}},
                 {1, {1000 - 310, 10}},
                 {2, {30, 800 - 170}},
                 {3, {1000 - 310, 800 - 170}},
                 {7, {0, 0}}};
    for (const auto& c : cases) {
        const auto origin = CalendarOrigin(image, cell, c.corner, 30, 10);
        ASSERT_TRUE(origin) << c.corner;
        EXPECT_EQ(*origin, c.origin) << c.corner;
    }
    // Top right: the right edge lies one margin left of the image's right edge, the top one margin down.
    const QPointF topRight = *CalendarOrigin(image, cell, 1, 30, 10);
    EXPECT_EQ(topRight.x() + 7 * cell.width, image.width() - 30);
    EXPECT_EQ(topRight.y(), 10);
}

TEST(CalendarOrigin, ATooSmallImageGetsNoCalendarInAnyCorner)
{
    const CalendarCell cell{40, 20};
    for (int corner = 0; corner <= 4; ++corner) {
        EXPECT_FALSE(CalendarOrigin({309, 800}, cell, corner, 30, 10))
            << corner; // narrower than 7 cells + margin
        EXPECT_FALSE(CalendarOrigin({1000, 169}, cell, corner, 30, 10))
            << corner; // lower than 8 lines + margin
        EXPECT_TRUE(CalendarOrigin({310, 170}, cell, corner, 30, 10)) << corner; // exactly enough
    }
}

TEST(CalendarTitle, IsYearSlashTwoDigitMonth)
{
    const QString title = CalendarTitle(QDate(2026, 3, 1));
    EXPECT_TRUE(title.startsWith(QStringLiteral("2026")));
    EXPECT_TRUE(title.endsWith(QStringLiteral("03")));
    EXPECT_EQ(title.size(), 7);
}

// The bounding box of the pixels that differ between two pictures of one size.
QRect changedArea(const QImage& before, const QImage& after)
{
    QRect area;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                area |= QRect(x, y, 1, 1);
    return area;
}

class DrawCalendarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        settings.CalendarFontName = QStringLiteral("DejaVu Sans");
        settings.CalendarFontSize = 12;
        state.leadWallPaper.textSettings() = CalendarTextSettings(settings);
    }
    Settings settings;
    EngineState state;
};

TEST_F(DrawCalendarTest, DrawsInsideTheTopRightCornerWithinTheMargins)
{
    const QImage background = FlatImage(1200, 800, qRgb(90, 120, 60));
    state.leadWallPaper.assignPicture(background);
    settings.CalendarOffsetMode = 1;
    settings.CalendarOffsetWidth = 1500; // 100 pixels at 96 DPI
    settings.CalendarOffsetHeight = 750; // 50 pixels
    DrawCalendar(state, settings, kToday, kScreen);
    const QRect area = changedArea(background, state.leadWallPaper.image());
    ASSERT_FALSE(area.isEmpty());
    const double cellWidth = state.leadWallPaper.measureTextWidth(QStringLiteral("WWW "));
    // Ink stays near the calendar's box: right of 1200 - 100 - 7 cells, left of the right margin.
    EXPECT_GE(area.left(), 1200 - 100 - 7 * cellWidth - 3);
    EXPECT_LE(area.right(), 1200 - 100 + 3);
    EXPECT_GE(area.top(), 50 - 3);
    EXPECT_LT(area.bottom(), 400);
}

TEST_F(DrawCalendarTest, EveryCornerKeepsItsMargins)
{
    const QImage background = FlatImage(900, 700, qRgb(250, 250, 250));
    for (int corner = 0; corner <= 3; ++corner) {
        SCOPED_TRACE(corner);
        state.leadWallPaper.assignPicture(background);
        settings.CalendarOffsetMode = static_cast<Integer>(corner);
        settings.CalendarOffsetWidth = 600;  // 40 pixels
        settings.CalendarOffsetHeight = 600; // 40 pixels
        DrawCalendar(state, settings, kToday, kScreen);
        const QRect area = changedArea(background, state.leadWallPaper.image());
        ASSERT_FALSE(area.isEmpty());
        const bool left = corner == 0 || corner == 2;
        const bool top = corner == 0 || corner == 1;
        if (left) {
            EXPECT_GE(area.left(), 40 - 3);
        } else {
            EXPECT_LE(area.right(), 900 - 40 + 3);
        }
        if (top) {
            EXPECT_GE(area.top(), 40 - 3);
        } else {
            EXPECT_LE(area.bottom(), 700 - 40 + 3);
        }
        // The bottom corners count eight lines up from the margin.
        EXPECT_LT(left ? area.right() : 900 - area.left(), 450);
    }
}

TEST_F(DrawCalendarTest, LeavesATooSmallImageUntouched)
{
    const QImage background = FlatImage(120, 90, qRgb(10, 10, 10));
    for (int corner = 0; corner <= 4; ++corner) {
        state.leadWallPaper.assignPicture(background);
        settings.CalendarOffsetMode = static_cast<Integer>(corner);
        DrawCalendar(state, settings, kToday, kScreen);
        EXPECT_EQ(changedArea(background, state.leadWallPaper.image()), QRect()) << corner;
    }
}

TEST_F(DrawCalendarTest, MakesThePictureTrueColourFirst)
{
    state.leadWallPaper.assignPicture(FlatImage(1000, 700, qRgb(128, 128, 128), QImage::Format_Grayscale8));
    DrawCalendar(state, settings, kToday, kScreen);
    EXPECT_EQ(state.leadWallPaper.imageBitsPerPixel(), 24);
}

TEST_F(DrawCalendarTest, TheDefaultStyleShowsOnLightAndDarkPhotos)
{
    // Style 1: blue text outlined in white. On black the outline shows, on white the blue does.
    for (const QRgb backgroundColour : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(0, 0, 255)}) {
        const QImage background = FlatImage(900, 700, backgroundColour);
        state.leadWallPaper.assignPicture(background);
        DrawCalendar(state, settings, kToday, kScreen);
        const QImage& drawn = state.leadWallPaper.image();
        int contrasting = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb p = drawn.pixel(x, y);
                const int distance = std::abs(qRed(p) - qRed(backgroundColour)) +
                                     std::abs(qGreen(p) - qGreen(backgroundColour)) +
                                     std::abs(qBlue(p) - qBlue(backgroundColour));
                contrasting += distance > 300;
            }
        EXPECT_GT(contrasting, 500) << std::hex << backgroundColour;
    }
}

TEST_F(DrawCalendarTest, EachStyleAndTheShadowDraw)
{
    const QImage background = FlatImage(900, 700, qRgb(100, 100, 100));
    QImage previous;
    for (int style = 0; style <= 3; ++style) {
        state.leadWallPaper.assignPicture(background);
        state.leadWallPaper.textSettings().style = style;
        DrawCalendar(state, settings, kToday, kScreen);
        EXPECT_FALSE(changedArea(background, state.leadWallPaper.image()).isEmpty()) << style;
        EXPECT_NE(state.leadWallPaper.image(), previous) << style;
        previous = state.leadWallPaper.image();
    }
    state.leadWallPaper.assignPicture(background);
    state.leadWallPaper.textSettings().style = 0;
    DrawCalendar(state, settings, kToday, kScreen);
    const QRect plain = changedArea(background, state.leadWallPaper.image());
    state.leadWallPaper.assignPicture(background);
    state.leadWallPaper.textSettings().shadowDepthX = 4;
    state.leadWallPaper.textSettings().shadowDepthY = 4;
    DrawCalendar(state, settings, kToday, kScreen);
    const QRect shadowed = changedArea(background, state.leadWallPaper.image());
    EXPECT_GT(shadowed.bottom(), plain.bottom());
}

TEST(TextSettings, RoundTripThroughTheCalendarSettings)
{
    Settings settings;
    EXPECT_EQ(CalendarTextSettings(settings).colour, QColor(0, 0, 255)); // 16711680 is pure blue
    EXPECT_EQ(CalendarTextSettings(settings).highlight, QColor(255, 255, 255));
    settings.CalendarFontName = QStringLiteral("DejaVu Serif");
    settings.CalendarFontBold = true;
    settings.CalendarFontSize = 20.5f;
    settings.CalendarFontWeight = 700;
    settings.CalendarDrawFontColor = 0x00336699;
    settings.CalendarTextAngle = 450;
    settings.CalendarTextStyle = 3;
    settings.CalendarShadowColor = 0x00010203;
    settings.CalendarShadowXDepth = 2;
    settings.CalendarShadowYDepth = -3;
    Settings copy;
    StoreCalendarTextSettings(CalendarTextSettings(settings), copy);
    EXPECT_EQ(copy, settings);
    EXPECT_EQ(ColourFromLong(0x00336699), QColor(0x99, 0x66, 0x33));
}

} // namespace
} // namespace velmora
