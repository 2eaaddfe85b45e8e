#include "engine/Tiling.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

struct SizeCase {
    const char* what;
    QSize screen;
    QSize image;
    int limit;
    QString tile;    // what AutoTile chooses
    QSize resizedTo; // what AutoSizeChange makes of it; invalid when it stays
};

class AutoTilingTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(AutoTilingTest, TilesSmallImagesAndScalesTheRest)
{
    const SizeCase& c = GetParam();
    EngineState state;
    state.leadWallPaper.assignPicture(test::FlatImage(c.image.width(), c.image.height(), qRgb(9, 9, 9)));
    state.LoadedImageWidth = c.image.width();
    state.LoadedImageHeight = c.image.height();
    Settings settings;
    settings.SizeChangeLimit = static_cast<Integer>(c.limit);

    AutoTile(state, settings, c.screen);
    EXPECT_EQ(state.TileWallpaper, c.tile);
    EXPECT_EQ(state.leadWallPaper.image().size(), c.image); // tiling changes no pixels

    AutoSizeChange(state, settings, c.screen);
    const QSize expected = c.resizedTo.isValid() ? c.resizedTo : c.image;
    EXPECT_EQ(state.leadWallPaper.image().size(), expected);
    if (c.resizedTo.isValid()) {
        EXPECT_EQ(state.leadWallPaper.preview().sourceRect, QRect(QPoint(0, 0), expected));
    }
    // The loaded size stays what was loaded.
    EXPECT_EQ(state.LoadedImageWidth, c.image.width());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, AutoTilingTest,
    ::testing::Values(
        SizeCase{"R 10.24 > 10: tiled at own size", {1024, 768}, {320, 240}, 10, "1", {}},
        SizeCase{"R 6.55: centred and scaled", {1024, 768}, {400, 300}, 10, "0", {1024, 768}},
        SizeCase{"R exactly N: not smaller", {1000, 1000}, {100, 1000}, 10, "0", {100 * 1000 / 1000, 1000}},
        SizeCase{"R exactly N, wide", {1000, 1000}, {1000, 100}, 10, "0", {1000, 100}},
        SizeCase{"screen shape: exactly the screen", {1920, 1080}, {640, 360}, 10, "0", {1920, 1080}},
        SizeCase{
            "2000 x 500 on 4:3: full width, a quarter high", {1024, 768}, {2000, 500}, 10, "0", {1024, 256}},
        SizeCase{"larger than the screen: shrunk", {3840, 2160}, {4000, 3000}, 10, "0", {2880, 2160}},
        SizeCase{"tall", {1920, 1080}, {1000, 2000}, 10, "0", {540, 1080}},
        SizeCase{"HiDPI screen in physical pixels", {5120, 2880}, {2560, 1440}, 10, "0", {5120, 2880}},
        SizeCase{"limit 0: every smaller image tiles", {800, 600}, {8, 6}, 0, "1", {}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(AreaRatio, IsScreenAreaOverImageArea)
{
    EXPECT_DOUBLE_EQ(AreaRatio({1024, 768}, 320, 240), 10.24);
    EXPECT_NEAR(AreaRatio({1024, 768}, 400, 300), 6.55, 0.01);
    // Wide screens do not overflow: 7680 x 4320 against a 1 x 1 picture.
    EXPECT_DOUBLE_EQ(AreaRatio({7680, 4320}, 1, 1), 7680.0 * 4320.0);
    EXPECT_TRUE(std::isinf(AreaRatio({1024, 768}, 0, 0)));
}

TEST(AutoSizeChange, LeavesAnEmptyLoadAlone)
{
    EngineState state;
    state.leadWallPaper.assignPicture(test::FlatImage(5, 5, qRgb(1, 1, 1)));
    Settings settings;
    AutoSizeChange(state, settings, {1024, 768});
    EXPECT_EQ(state.leadWallPaper.image().size(), QSize(5, 5));
}

TEST(AutoSizeChange, AveragesWhenShrinking)
{
    // Fine black and white stripes shrunk by four become an even grey, not stripes or one of the colours.
    QImage stripes(400, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            stripes.setPixel(x, y, x % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    EngineState state;
    state.leadWallPaper.assignPicture(stripes);
    state.LoadedImageWidth = 400;
    state.LoadedImageHeight = 400;
    Settings settings;
    AutoSizeChange(state, settings, {100, 100});
    const test::ChannelStats stats = test::Stats(state.leadWallPaper.image(), 0);
    EXPECT_NEAR(stats.mean, 127.5, 3);
    EXPECT_LT(stats.variance, 25);
}

} // namespace
} // namespace velmora
