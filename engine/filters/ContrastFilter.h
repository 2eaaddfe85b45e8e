#pragma once
// Contrast: each channel moves away from (amount > 0) or towards (amount < 0) mid-grey 128.
// The amount runs from -1000 to 1000; the slope is (1000 + amount) / (1000 - amount), so +300 steepens
// the tones by 1.86, 0 changes nothing, and 1000 would be a hard threshold at 128.
#include "engine/filters/ImageFilter.h"

namespace velmora {

class ContrastFilter final : public ImageFilter {
public:
    explicit ContrastFilter(int amount = 300);
    QImage apply(const QImage& image) const override;

private:
    unsigned char m_table[256];
};

} // namespace velmora
