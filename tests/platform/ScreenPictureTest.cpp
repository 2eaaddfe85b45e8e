#include "platform/wallpaper/ScreenPicture.h"

#include <gtest/gtest.h>

using namespace velmora::platform;

namespace {

// Every pixel its own colour, so that a shifted or repeated copy is caught.
QImage pattern(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(20 + 30 * x, 10 + 40 * y, (x * 7 + y * 13) % 256));
    return image;
}

TEST(ComposeScreenImage, TilesFromTheTopLeftCorner)
{
    const QImage picture = pattern(5, 3);
    const QImage screen = ComposeScreenImage(picture, QSize(12, 7), true);
    ASSERT_EQ(screen.size(), QSize(12, 7));
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(screen.pixel(x, y), picture.pixel(x % 5, y % 3)) << x << "," << y;
}

TEST(ComposeScreenImage, CentresOnBlackAndCutsEvenly)
{
    struct Case {
        QSize picture;
        QSize screen;
    };
    for (const Case& c : {Case{{5, 3}, {12, 8}}, Case{{9, 7}, {4, 3}}, Case{{4, 2}, {4, 2}}}) {
        const QImage picture = pattern(c.picture.width(), c.picture.height());
        const QImage screen = ComposeScreenImage(picture, c.screen, false);
        const int left = (c.screen.width() - c.picture.width()) / 2;
        const int top = (c.screen.height() - c.picture.height()) / 2;
        for (int y = 0; y < c.screen.height(); ++y) {
            for (int x = 0; x < c.screen.width(); ++x) {
                const QPoint from(x - left, y - top);
                const QRgb expected = picture.rect().contains(from) ? picture.pixel(from) : qRgb(0, 0, 0);
                ASSERT_EQ(screen.pixel(x, y), expected) << x << "," << y;
            }
        }
    }
}

} // namespace
