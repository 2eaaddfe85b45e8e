#pragma once
// Which parts of the canvas the pieces placed later cover, in cells of a few pixels: a piece need
// only be decoded for the part of it that will still show at the end. Cells count as covered only
// when wholly covered, so the part found never misses a pixel that shows.
#include <QRect>

#include <vector>

namespace velmora {

class CoverageGrid {
public:
    explicit CoverageGrid(QSize canvas);

    void clear();
    // The smallest rectangle within `area` that holds every pixel not covered; empty when none is.
    QRect uncovered(const QRect& area) const;
    void cover(const QRect& area);

    static constexpr int Cell = 8;

private:
    QSize m_canvas;
    int m_columns;
    int m_rows;
    std::vector<unsigned char> m_covered;
};

} // namespace velmora
