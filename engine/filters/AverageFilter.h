#pragma once
// Average (box blur): each channel becomes the mean of the n x n neighbourhood around the pixel;
// rows and columns beyond the edge repeat the edge. n is odd (an even n is taken as n + 1).
#include "engine/filters/ImageFilter.h"

namespace velmora {

class AverageFilter final : public ImageFilter {
public:
    explicit AverageFilter(int neighbourhood = 3);
    QImage apply(const QImage& image) const override;

private:
    int m_radius;
};

} // namespace velmora
