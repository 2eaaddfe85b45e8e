#include "engine/collage/CanvasPreview.h"

#include <algorithm>

namespace velmora {

CanvasPreview::CanvasPreview(QSize canvas, QSize bound)
    : m_canvas(canvas)
{
    QSize size = canvas;
    if (size.width() > bound.width() || size.height() > bound.height())
        size = canvas.scaled(bound, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(Qt::black);
}

void CanvasPreview::update(const QImage& canvas, QRect region)
{
    region &= canvas.rect();
    if (region.isEmpty() || m_image.isNull())
        return;
    const int width = m_image.width();
    const int height = m_image.height();
    // The reduced pixel p samples canvas pixel (p + 1/2) x canvas / reduced.
    const auto sample = [](int p, int reduced, int full) {
        return int((2 * qint64(p) + 1) * full / (2 * qint64(reduced)));
    };
    // A reduced pixel at or just before the first that samples inside the region.
    const auto firstReduced = [](int c, int reduced, int full) {
        return std::max(0, int(qint64(c) * reduced / full) - 1);
    };
    const int x0 = firstReduced(region.left(), width, m_canvas.width());
    const int y0 = firstReduced(region.top(), height, m_canvas.height());
    for (int py = y0; py < height; ++py) {
        const int cy = sample(py, height, m_canvas.height());
        if (cy < region.top())
            continue;
        if (cy > region.bottom())
            break;
        const auto* from = reinterpret_cast<const quint32*>(canvas.constScanLine(cy));
        auto* to = reinterpret_cast<quint32*>(m_image.scanLine(py));
        for (int px = x0; px < width; ++px) {
            const int cx = sample(px, width, m_canvas.width());
            if (cx < region.left())
                continue;
            if (cx > region.right())
                break;
            to[px] = from[cx];
        }
    }
}

} // namespace velmora
