#pragma once
// A reduced copy of the collage's canvas kept up to date as pieces land, for the preview to show
// the canvas filling: each piece costs a sample of its pixels, never a pass over the whole canvas.
#include <QImage>
#include <QRect>

namespace velmora {

class CanvasPreview {
public:
    // The canvas's size and the box the reduced copy fits in.
    CanvasPreview(QSize canvas, QSize bound);

    // Copies the canvas's pixels within `region` (nearest sample) into the reduced copy.
    void update(const QImage& canvas, QRect region);
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    QSize m_canvas;
};

} // namespace velmora
