#pragma once
// Emboss: the picture as a grey relief lit from one side. The luminance is read as height; each pixel
// becomes mid-grey 128 plus the height difference across it along the light's direction, so flat areas
// turn mid-grey and edges stand out light or dark.
// Direction: 0 north (light from above), 1 north-east, 2 east, ... 7 north-west, clockwise.
// Depth: the relief's gain in 1/250ths, so 500 doubles the height differences; 0 gives flat grey.
#include "engine/filters/ImageFilter.h"

namespace velmora {

class EmbossFilter final : public ImageFilter {
public:
    explicit EmbossFilter(int direction = 1, int depth = 500);
    // Grey values; RGB32 unless the input is Grayscale8.
    QImage apply(const QImage& image) const override;

private:
    int m_dx;
    int m_dy;
    unsigned char m_relief[511]; // indexed by the height difference + 255
};

} // namespace velmora
