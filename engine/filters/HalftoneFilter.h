#pragma once
// Halftone: a black-and-white dot screen. Each pixel becomes pure black or pure white by comparing its
// darkness with a clustered-dot threshold cell, so dark areas print as large black dots and light
// areas as small ones.
// Type 1: round dots on an 8 x 8 pixel cell (any other type: 4 x 4). Angle: the screen's rotation in
// degrees; 0 keeps the dot rows along the image's rows.
#include "engine/filters/ImageFilter.h"

#include <vector>

namespace velmora {

class HalftoneFilter final : public ImageFilter {
public:
    explicit HalftoneFilter(int type = 1, int angle = 0);
    // Only black and white remain; RGB32 unless the input is Grayscale8.
    QImage apply(const QImage& image) const override;

private:
    int m_cell;
    double m_cos;
    double m_sin;
    std::vector<unsigned char> m_thresholds; // m_cell x m_cell, row by row
};

} // namespace velmora
