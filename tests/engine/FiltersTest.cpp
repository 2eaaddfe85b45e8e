#include "engine/filters/AverageFilter.h"
#include "engine/filters/ContrastFilter.h"
#include "engine/filters/EmbossFilter.h"
#include "engine/filters/GammaFilter.h"
#include "engine/filters/GrayscaleFilter.h"
#include "engine/filters/HalftoneFilter.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <memory>

namespace velmora {
namespace {

using test::FlatImage;
using test::NoiseImage;
using test::PhotoLikeImage;
using test::Stats;

QRgb pixel(const QImage& image, int x, int y)
{
    return image.pixel(x, y);
}

bool allGrey(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb p = rgb.pixel(x, y);
            if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p))
                return false;
        }
    return true;
}

TEST(GrayscaleFilter, GivesEightBitGreyWithBrightnessOrderOfTheColours)
{
    const QImage result = GrayscaleFilter().apply(PhotoLikeImage(64, 48, 1));
    EXPECT_EQ(result.format(), QImage::Format_Grayscale8);
    EXPECT_TRUE(allGrey(result));
    // Green looks brighter than red, red brighter than blue; white stays white, black black.
    auto grey = [](QRgb colour) {
        return qRed(GrayscaleFilter().apply(FlatImage(2, 2, colour)).pixel(0, 0));
    };
    EXPECT_GT(grey(qRgb(0, 255, 0)), grey(qRgb(255, 0, 0)));
    EXPECT_GT(grey(qRgb(255, 0, 0)), grey(qRgb(0, 0, 255)));
    EXPECT_EQ(grey(qRgb(255, 255, 255)), 255);
    EXPECT_EQ(grey(qRgb(0, 0, 0)), 0);
}

TEST(AverageFilter, LowersTheVarianceOfNoiseAndKeepsItsMean)
{
    const QImage noise = NoiseImage(200, 150, 7);
    const QImage result = AverageFilter(3).apply(noise);
    for (int channel = 0; channel < 3; ++channel) {
        const auto before = Stats(noise, channel);
        const auto after = Stats(result, channel);
        // A 3 x 3 mean of independent noise has a ninth of its variance; edges add a little.
        EXPECT_LT(after.variance, before.variance / 6) << channel;
        EXPECT_NEAR(after.mean, before.mean, 1.0) << channel;
    }
}

TEST(AverageFilter, LeavesFlatAreasAndGreyPicturesAlone)
{
    const QImage flat = FlatImage(31, 17, qRgb(10, 120, 250));
    EXPECT_EQ(AverageFilter(3).apply(flat), flat);
    const QImage grey = FlatImage(9, 9, qRgb(77, 77, 77), QImage::Format_Grayscale8);
    const QImage greyResult = AverageFilter(3).apply(grey);
    EXPECT_EQ(greyResult.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(greyResult, grey);
}

TEST(AverageFilter, WorksOnTinyPictures)
{
    for (const QSize size : {QSize(1, 1), QSize(1, 5), QSize(5, 1), QSize(2, 2)}) {
        const QImage result = AverageFilter(3).apply(FlatImage(size.width(), size.height(), qRgb(1, 2, 3)));
        ASSERT_EQ(result.size(), size);
        EXPECT_EQ(pixel(result, 0, 0), qRgb(1, 2, 3));
    }
}

// The filters split large pictures into bands on several threads; a band's edge must not show.
TEST(AverageFilter, BandsJoinWithoutSeams)
{
    const QImage noise = NoiseImage(600, 400, 11);
    const QImage whole = AverageFilter(3).apply(noise);
    for (int top : {1, 97, 199, 200, 201, 333}) {
        const QImage strip = AverageFilter(3).apply(noise.copy(0, top - 1, 600, 12));
        for (int y = 1; y < 11; ++y)
            for (int x = 0; x < 600; ++x)
                ASSERT_EQ(pixel(strip, x, y), pixel(whole, x, top - 1 + y))
                    << "row " << top - 1 + y << " x " << x;
    }
}

TEST(ContrastFilter, RaisesTheSpreadAroundMidGrey)
{
    const QImage noise = NoiseImage(100, 100, 3, 80, 176);
    const QImage result = ContrastFilter(300).apply(noise);
    for (int channel = 0; channel < 3; ++channel)
        EXPECT_GT(Stats(result, channel).variance, 2 * Stats(noise, channel).variance) << channel;
    EXPECT_EQ(pixel(ContrastFilter(300).apply(FlatImage(1, 1, qRgb(128, 128, 128))), 0, 0),
              qRgb(128, 128, 128));
    // Tones keep their order; zero changes nothing.
    int previous = -1;
    for (int v = 0; v < 256; ++v) {
        const int out = qRed(pixel(ContrastFilter(300).apply(FlatImage(1, 1, qRgb(v, v, v))), 0, 0));
        EXPECT_GE(out, previous);
        previous = out;
    }
    EXPECT_EQ(ContrastFilter(0).apply(noise), noise);
}

TEST(GammaFilter, LiftsMidGreyAndKeepsTheEnds)
{
    const GammaFilter gamma(230);
    auto map = [&](int v) { return qRed(pixel(gamma.apply(FlatImage(1, 1, qRgb(v, v, v))), 0, 0)); };
    EXPECT_NEAR(map(128), 189, 1);
    EXPECT_EQ(map(0), 0);
    EXPECT_EQ(map(255), 255);
    for (int v = 1; v < 255; ++v)
        EXPECT_GE(map(v), v) << v;
    // Each channel separately: a colour keeps its hue order.
    const QRgb colour = pixel(gamma.apply(FlatImage(1, 1, qRgb(200, 100, 30))), 0, 0);
    EXPECT_GT(qRed(colour), qGreen(colour));
    EXPECT_GT(qGreen(colour), qBlue(colour));
}

TEST(HalftoneFilter, LeavesOnlyBlackAndWhiteWithDotsGrowingWithDarkness)
{
    const QImage result = HalftoneFilter(1, 0).apply(PhotoLikeImage(120, 90, 5));
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            const QRgb p = pixel(result, x, y);
            ASSERT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << x << "," << y;
        }
    auto blackShare = [](int grey) {
        const QImage dots = HalftoneFilter(1, 0).apply(FlatImage(64, 64, qRgb(grey, grey, grey)));
        int black = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                black += pixel(dots, x, y) == qRgb(0, 0, 0);
        return black / 4096.0;
    };
    EXPECT_EQ(blackShare(255), 0.0);
    EXPECT_EQ(blackShare(0), 1.0);
    EXPECT_NEAR(blackShare(64), 0.75, 0.05);
    EXPECT_NEAR(blackShare(192), 0.25, 0.05);
}

TEST(HalftoneFilter, DarkAreasFormClusteredDots)
{
    // At a quarter darkness each 8 x 8 cell holds one connected dot in its middle, not scattered pixels.
    const QImage dots = HalftoneFilter(1, 0).apply(FlatImage(8, 8, qRgb(192, 192, 192)));
    EXPECT_EQ(pixel(dots, 4, 4), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(dots, 3, 3), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(dots, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pixel(dots, 7, 7), qRgb(255, 255, 255));
}

TEST(EmbossFilter, TurnsFlatAreasMidGreyAndRaisesEdges)
{
    for (const QRgb colour : {qRgb(0, 0, 0), qRgb(255, 255, 255), qRgb(200, 30, 90)}) {
        const QImage result = EmbossFilter(1, 500).apply(FlatImage(20, 20, colour));
        EXPECT_TRUE(allGrey(result));
        EXPECT_EQ(qRed(pixel(result, 10, 10)), 128);
    }
    // A bright square on black: its edges towards the light and away from it go opposite ways.
    QImage square = FlatImage(40, 40, qRgb(0, 0, 0));
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 30; ++x)
            square.setPixel(x, y, qRgb(255, 255, 255));
    const QImage relief = EmbossFilter(1, 500).apply(square);
    EXPECT_TRUE(allGrey(relief));
    const int litEdge = qRed(pixel(relief, 29, 10));    // north-east corner, towards the light
    const int shadedEdge = qRed(pixel(relief, 10, 29)); // south-west corner
    EXPECT_GT(litEdge, 200);
    EXPECT_LT(shadedEdge, 56);
    EXPECT_EQ(qRed(pixel(relief, 20, 20)), 128);
    // The opposite light direction swaps them.
    const QImage opposite = EmbossFilter(5, 500).apply(square);
    EXPECT_LT(qRed(pixel(opposite, 29, 10)), 56);
}

TEST(Filters, AcceptEveryPixelFormatAndKeepTheSize)
{
    const std::vector<std::shared_ptr<ImageFilter>> filters = {
        std::make_shared<EmbossFilter>(),   std::make_shared<GrayscaleFilter>(),
        std::make_shared<HalftoneFilter>(), std::make_shared<AverageFilter>(),
        std::make_shared<ContrastFilter>(), std::make_shared<GammaFilter>()};
    const QImage photo = PhotoLikeImage(33, 21, 9);
    for (const QImage::Format format :
         {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_Indexed8, QImage::Format_Grayscale8,
          QImage::Format_RGB888, QImage::Format_Mono}) {
        const QImage input = photo.convertToFormat(format);
        for (const auto& filter : filters) {
            const QImage output = filter->apply(input);
            ASSERT_FALSE(output.isNull());
            EXPECT_EQ(output.size(), input.size());
            EXPECT_TRUE(output.format() == QImage::Format_RGB32 ||
                        output.format() == QImage::Format_Grayscale8);
        }
    }
}

} // namespace
} // namespace velmora
