#include "engine/collage/CoverageGrid.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(CoverageGrid, WhatLaterPiecesLeaveUncoveredNeverMissesAPixel)
{
    CoverageGrid grid(QSize(100, 60));
    const QRect piece(10, 10, 50, 40);
    EXPECT_EQ(grid.uncovered(piece), piece);
    // The right half covered, to a cell edge: what shows is the left part.
    grid.cover(QRect(32, 0, 68, 60));
    EXPECT_EQ(grid.uncovered(piece), QRect(10, 10, 22, 40));
    // A cover that ends inside a cell leaves that cell showing.
    grid.clear();
    grid.cover(QRect(0, 0, 100, 37));
    EXPECT_EQ(grid.uncovered(piece), QRect(10, 32, 50, 18));
    // Covered to the canvas's edge, where the last cell is cut short (60 is not a multiple of 8);
    // the cell two covers share counts as showing, as neither covers it whole.
    grid.cover(QRect(0, 37, 100, 23));
    EXPECT_EQ(grid.uncovered(piece), QRect(10, 32, 50, 8));
    grid.cover(QRect(0, 30, 100, 10));
    EXPECT_TRUE(grid.uncovered(piece).isEmpty());
    EXPECT_TRUE(grid.uncovered(QRect(90, 55, 50, 50)).isEmpty()) << "outside the canvas shows nothing";
}

TEST(CoverageGrid, AHoleKeepsTheWholeSpanAroundIt)
{
    CoverageGrid grid(QSize(64, 64));
    grid.cover(QRect(0, 0, 64, 64));
    EXPECT_TRUE(grid.uncovered(QRect(0, 0, 64, 64)).isEmpty());
    grid.clear();
    grid.cover(QRect(0, 0, 64, 24));
    grid.cover(QRect(0, 40, 64, 24));
    grid.cover(QRect(0, 24, 16, 16));
    grid.cover(QRect(40, 24, 24, 16));
    EXPECT_EQ(grid.uncovered(QRect(0, 0, 64, 64)), QRect(16, 24, 24, 16));
}

} // namespace
} // namespace velmora
