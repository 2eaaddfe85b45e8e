#include "engine/ParallelRows.h"
#include "platform/Screen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace velmora {
namespace {

TEST(ForEachRowBand, CoversEveryRowExactlyOnce)
{
    for (const int rows : {1, 2, 7, 100, 2160}) {
        for (const long long pixelsPerRow : {1LL, 4000LL}) {
            std::vector<std::atomic<int>> visits(rows);
            ForEachRowBand(
                rows,
                [&](int first, int end) {
                    for (int y = first; y < end; ++y)
                        ++visits[y];
                },
                pixelsPerRow);
            for (int y = 0; y < rows; ++y)
                ASSERT_EQ(visits[y].load(), 1) << rows << " rows, row " << y;
        }
    }
    ForEachRowBand(0, [](int, int) { FAIL(); });
}

TEST(PrimaryScreenPixels, CanBeFixedForTestsAndConvertsTwips)
{
    platform::OverridePrimaryScreen(platform::ScreenPixels{QSize(2880, 1800), 192.0});
    EXPECT_EQ(platform::PrimaryScreenPixels().size, QSize(2880, 1800));
    // 500 twips is a third of an inch: twice the pixels on a screen of twice the density.
    EXPECT_NEAR(platform::PixelsFromTwips(500, platform::PrimaryScreenPixels()), 66.67, 0.01);
    EXPECT_NEAR(platform::PixelsFromTwips(500, platform::ScreenPixels{QSize(1024, 768), 96.0}), 33.33, 0.01);
    EXPECT_DOUBLE_EQ(platform::PixelsPerPoint(platform::ScreenPixels{QSize(1024, 768), 96.0}), 96.0 / 72.0);
    platform::OverridePrimaryScreen(std::nullopt);
    EXPECT_FALSE(platform::PrimaryScreenPixels().size.isEmpty());
}

} // namespace
} // namespace velmora
