#include "engine/collage/CollageRules.h"

#include <algorithm>
#include <cmath>

namespace velmora {
namespace {

int side(double value)
{
    if (!(value >= 1)) // also NaN
        return 1;
    return static_cast<int>(std::min<double>(value, MaxCollagePieceSide));
}

} // namespace

int CollageScaleLow(double largest)
{
    // nearbyint rounds ties to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(largest / 2));
}

float CollagePieceScale(int piece, int factor, double draw)
{
    const double largest = (1 / std::sqrt(double(std::max(1, piece)))) * (factor * 10.0);
    const int low = CollageScaleLow(largest);
    const double tenths = std::floor(draw * (largest - low + 1) + low);
    return static_cast<float>(tenths * 0.1 + 0.1);
}

QSize ScaledPieceSize(QSize piece, float scale, int basis, QSize canvas)
{
    const double s = scale;
    if (basis == 0)
        return QSize(side(std::floor(piece.width() * s)), side(std::floor(piece.height() * s)));
    const double width = canvas.width() * s * 0.5;
    const double height = piece.width() > 0 ? width / piece.width() * piece.height() : 0;
    return QSize(side(std::floor(width)), side(std::floor(height)));
}

CentreRange PieceCentreRange(int quadrant, bool vertical, int pieceSide, int canvasSide)
{
    const double far = pieceSide / 2.0 + canvasSide;
    const double middle = far / 2;
    // Vertically 1 and 2 are the upper half, 3 and 4 the lower; across, 1 and 3 the left, 2 and 4
    // the right.
    const bool first = vertical ? (quadrant == 1 || quadrant == 2) : (quadrant == 1 || quadrant == 3);
    const bool second = vertical ? (quadrant == 3 || quadrant == 4) : (quadrant == 2 || quadrant == 4);
    if (first)
        return {0, middle};
    if (second)
        return {std::nearbyint(middle), far};
    return {0, far};
}

qint64 PieceEdge(CentreRange range, int pieceSide, double draw)
{
    return static_cast<qint64>(std::floor(draw * (range.high - range.low + 1) + range.low - pieceSide / 2.0));
}

int TiledPieceWidth(QSize piece, int rowHeight)
{
    if (piece.height() <= 0)
        return 1;
    return side(std::nearbyint(double(piece.width()) * rowHeight / piece.height()));
}

} // namespace velmora
