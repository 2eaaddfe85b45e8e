#include "engine/collage/CollageRules.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

constexpr double AlmostOne = 0.9999999;

TEST(CollageRules, FactorThreeScalesEarlyPiecesLargeAndLatePiecesSmall)
{
    EXPECT_FLOAT_EQ(CollagePieceScale(2, 3, 0.0), 1.2f);
    EXPECT_FLOAT_EQ(CollagePieceScale(2, 3, AlmostOne), 2.3f);
    EXPECT_FLOAT_EQ(CollagePieceScale(70, 3, 0.0), 0.3f);
    EXPECT_FLOAT_EQ(CollagePieceScale(70, 3, AlmostOne), 0.5f);
    // Every draw stays within those bounds, in steps of a tenth.
    for (double draw = 0; draw < 1; draw += 0.01) {
        const float early = CollagePieceScale(2, 3, draw);
        const float late = CollagePieceScale(70, 3, draw);
        EXPECT_TRUE(early >= 1.2f - 1e-6f && early <= 2.3f + 1e-6f) << draw;
        EXPECT_TRUE(late >= 0.3f - 1e-6f && late <= 0.5f + 1e-6f) << draw;
    }
}

TEST(CollageRules, TheLowestScaleRoundsHalvesToEven)
{
    // Piece 4: M = factor x 5, so M / 2 ends in .5 for odd factors.
    EXPECT_EQ(CollageScaleLow(5.0), 2);   // 2.5
    EXPECT_EQ(CollageScaleLow(15.0), 8);  // 7.5
    EXPECT_EQ(CollageScaleLow(25.0), 12); // 12.5
    EXPECT_FLOAT_EQ(CollagePieceScale(4, 1, 0.0), 0.3f);  // m = 2
    EXPECT_FLOAT_EQ(CollagePieceScale(4, 3, 0.0), 0.9f);  // m = 8
}

TEST(CollageRules, ScaledSizeFollowsThePieceOrTheScreenWidth)
{
    const QSize canvas(3840, 2160);
    EXPECT_EQ(ScaledPieceSize(QSize(4000, 3000), 0.5f, 0, canvas), QSize(2000, 1500));
    EXPECT_EQ(ScaledPieceSize(QSize(4000, 3000), 0.5f, 1, canvas), QSize(960, 720));
    EXPECT_EQ(ScaledPieceSize(QSize(300, 600), 1.2f, 1, canvas), QSize(2304, 4608));
    // Degenerate results stay usable sizes.
    EXPECT_EQ(ScaledPieceSize(QSize(2, 2), 0.3f, 0, canvas), QSize(1, 1));
    EXPECT_EQ(ScaledPieceSize(QSize(30000, 30000), 100.0f, 0, canvas),
              QSize(MaxCollagePieceSide, MaxCollagePieceSide));
    EXPECT_EQ(ScaledPieceSize(QSize(100, 100), -0.5f, 1, canvas), QSize(1, 1));
}

TEST(CollageRules, QuadrantsTakeTheirHalvesOfTheCentreRange)
{
    // h = 200 on a canvas 1000 high: h / 2 + H = 1100, the middle 550.
    struct Case {
        int quadrant;
        bool vertical;
        double low;
        double high;
    };
    for (const Case& c : {Case{1, true, 0, 550}, Case{2, true, 0, 550}, Case{3, true, 550, 1100},
                          Case{4, true, 550, 1100}, Case{0, true, 0, 1100}, Case{1, false, 0, 550},
                          Case{3, false, 0, 550}, Case{2, false, 550, 1100}, Case{4, false, 550, 1100},
                          Case{0, false, 0, 1100}}) {
        const CentreRange range = PieceCentreRange(c.quadrant, c.vertical, 200, 1000);
        EXPECT_DOUBLE_EQ(range.low, c.low) << c.quadrant << (c.vertical ? " vertical" : " across");
        EXPECT_DOUBLE_EQ(range.high, c.high) << c.quadrant << (c.vertical ? " vertical" : " across");
    }
    // The lower half starts at the middle rounded to the nearest, ties to even: (101 / 2 + 1000) / 2.
    EXPECT_DOUBLE_EQ(PieceCentreRange(3, true, 101, 1000).low, 525.0);
    EXPECT_DOUBLE_EQ(PieceCentreRange(3, true, 102, 1000).low, 526.0); // 525.5
}

TEST(CollageRules, EdgesSpanTheRangeLessHalfThePiece)
{
    const CentreRange all{0, 1100};
    EXPECT_EQ(PieceEdge(all, 200, 0.0), -100);
    EXPECT_EQ(PieceEdge(all, 200, AlmostOne), 1000);
    // Far beyond a 16-bit twip position: a 16K screen.
    const CentreRange wide = PieceCentreRange(4, false, 8000, 15360);
    EXPECT_EQ(PieceEdge(wide, 8000, AlmostOne), 15360);
}

TEST(CollageRules, TiledRowsAreTheSettingOrADrawFromOneToTen)
{
    int draws = 0;
    const auto draw = [&](double value) {
        return [&draws, value] {
            ++draws;
            return value;
        };
    };
    EXPECT_EQ(TiledRowCount(3, 2160, draw(0.5)), 3);
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(TiledRowCount(0, 2160, draw(0.0)), 1);
    EXPECT_EQ(TiledRowCount(0, 2160, draw(AlmostOne)), 10);
    EXPECT_EQ(TiledRowCount(0, 2160, draw(0.45)), 5);
    EXPECT_EQ(draws, 3);
    // Settings beyond sense: more rows than pixel rows, or negative.
    EXPECT_EQ(TiledRowCount(5000, 2160, draw(0.5)), 2160);
    EXPECT_EQ(TiledRowCount(-4, 2160, draw(0.25)), 3);
}

TEST(CollageRules, TiledWidthKeepsTheShapeRoundedHalfToEven)
{
    EXPECT_EQ(TiledPieceWidth(QSize(400, 300), 720), 960);
    EXPECT_EQ(TiledPieceWidth(QSize(5, 2), 1), 2);  // 2.5
    EXPECT_EQ(TiledPieceWidth(QSize(7, 2), 1), 4);  // 3.5
    EXPECT_EQ(TiledPieceWidth(QSize(1, 5000), 100), 1); // never 0 wide: the row always advances
}

} // namespace
} // namespace velmora
