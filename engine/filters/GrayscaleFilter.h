#pragma once
// Grayscale to 8 bits per pixel: the luminance of each pixel (ITU-R BT.601 weights).
#include "engine/filters/ImageFilter.h"

namespace velmora {

class GrayscaleFilter final : public ImageFilter {
public:
    // Always Grayscale8.
    QImage apply(const QImage& image) const override;
};

} // namespace velmora
