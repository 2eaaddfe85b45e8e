#pragma once
// Gamma correction: each channel c (0 to 1) becomes c^(1 / gamma), so a gamma above 1 brightens
// the mid-tones and keeps black and white. The value is given in hundredths (230 = 2.30).
#include "engine/filters/ImageFilter.h"

namespace velmora {

class GammaFilter final : public ImageFilter {
public:
    explicit GammaFilter(int gammaHundredths = 230);
    QImage apply(const QImage& image) const override;

private:
    unsigned char m_table[256];
};

} // namespace velmora
