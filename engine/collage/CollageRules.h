#pragma once
// The collage's rules of size and place as plain functions of the draws they are given. Sizes and
// positions are device pixels of the screen, in 32- and 64-bit integers: no screen is too wide.
#include <QSize>

namespace velmora {

// Pieces are never sized beyond this a side (a kept piece enlarged again and again would grow
// without end), nor below one pixel.
inline constexpr int MaxCollagePieceSide = 1 << 20;

// m of the size rule: half the largest tenth-step M, to the nearest whole number, ties to even.
int CollageScaleLow(double largest);

// The scale of piece i (from 2) of a random collage, for a draw in [0, 1): M = (1 / sqrt(i)) x
// (factor x 10) tenths at most, m = M / 2 at least; s = Int(draw x (M - m + 1) + m) x 0.1 + 0.1 in
// single precision. Early pieces come out large, later ones small.
float CollagePieceScale(int piece, int factor, double draw);

// A piece of size `piece` scaled by s: basis 0 by its own size, any other basis to a width of
// s / 2 of the canvas width with the piece's shape. Clamped to 1 .. MaxCollagePieceSide.
QSize ScaledPieceSize(QSize piece, float scale, int basis, QSize canvas);

// The range of a piece's centre along one side of the canvas for the quadrant (piece number mod
// 5: 1 top left, 2 top right, 3 bottom left, 4 bottom right, 0 anywhere). vertical chooses the side.
struct CentreRange {
    double low = 0;
    double high = 0;
};
CentreRange PieceCentreRange(int quadrant, bool vertical, int pieceSide, int canvasSide);

// The piece's top or left edge: Int(draw x (high - low + 1) + low - side / 2).
qint64 PieceEdge(CentreRange range, int pieceSide, double draw);

// Rows of a tiled collage for CollageTileLines: the setting itself (at most one a pixel row), or
// Int(draw x 10 + 1) when it is 0 or negative. draw is called only then.
template <class Draw> int TiledRowCount(int setting, int canvasHeight, Draw&& draw)
{
    if (setting > 0)
        return setting < canvasHeight ? setting : (canvasHeight > 0 ? canvasHeight : 1);
    const int drawn = static_cast<int>(draw() * 10 + 1);
    return drawn < 1 ? 1 : (drawn > 10 ? 10 : drawn);
}

// A tiled piece's width at row height R: its width times R / its height, to the nearest whole
// number (ties to even), at least 1.
int TiledPieceWidth(QSize piece, int rowHeight);

} // namespace velmora
