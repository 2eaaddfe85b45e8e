#include "engine/collage/CoverageGrid.h"

#include <algorithm>

namespace velmora {

CoverageGrid::CoverageGrid(QSize canvas)
    : m_canvas(canvas)
    , m_columns((canvas.width() + Cell - 1) / Cell)
    , m_rows((canvas.height() + Cell - 1) / Cell)
    , m_covered(size_t(std::max(0, m_columns)) * size_t(std::max(0, m_rows)), 0)
{}

void CoverageGrid::clear()
{
    std::fill(m_covered.begin(), m_covered.end(), 0);
}

QRect CoverageGrid::uncovered(const QRect& area) const
{
    const QRect within = area & QRect(QPoint(0, 0), m_canvas);
    if (within.isEmpty())
        return {};
    // Cells the area touches, wholly or in part.
    const int left = within.left() / Cell;
    const int right = within.right() / Cell;
    const int top = within.top() / Cell;
    const int bottom = within.bottom() / Cell;
    int firstColumn = right + 1, lastColumn = left - 1, firstRow = -1, lastRow = -1;
    for (int row = top; row <= bottom; ++row) {
        const unsigned char* cells = m_covered.data() + size_t(row) * size_t(m_columns);
        int first = left;
        while (first <= right && cells[first])
            ++first;
        if (first > right)
            continue;
        int last = right;
        while (cells[last])
            --last;
        firstColumn = std::min(firstColumn, first);
        lastColumn = std::max(lastColumn, last);
        if (firstRow < 0)
            firstRow = row;
        lastRow = row;
    }
    if (firstRow < 0)
        return {};
    const QRect cells(QPoint(firstColumn * Cell, firstRow * Cell), QPoint(lastColumn * Cell + Cell - 1, lastRow * Cell + Cell - 1));
    return cells & within;
}

void CoverageGrid::cover(const QRect& area)
{
    const QRect within = area & QRect(QPoint(0, 0), m_canvas);
    if (within.isEmpty())
        return;
    // Only cells wholly inside; the last cell of a row or column may be cut short by the canvas.
    const auto firstInside = [](int from) { return (from + Cell - 1) / Cell; };
    const auto lastInside = [](int end, int canvasEnd, int count) {
        return end >= canvasEnd ? count - 1 : end / Cell - 1;
    };
    const int left = firstInside(within.left());
    const int right = lastInside(within.left() + within.width(), m_canvas.width(), m_columns);
    const int top = firstInside(within.top());
    const int bottom = lastInside(within.top() + within.height(), m_canvas.height(), m_rows);
    for (int row = top; row <= bottom; ++row)
        std::fill_n(m_covered.begin() + qsizetype(row) * m_columns + left, std::max(0, right - left + 1), 1);
}

} // namespace velmora
