#include "engine/filters/ContrastFilter.h"

#include <algorithm>
#include <cmath>

namespace velmora {

ContrastFilter::ContrastFilter(int amount)
{
    amount = std::clamp(amount, -999, 999);
    const double slope = (1000.0 + amount) / (1000.0 - amount);
    for (int i = 0; i < 256; ++i)
        m_table[i] = static_cast<unsigned char>(std::clamp(std::lround(128.0 + (i - 128) * slope), 0L, 255L));
}

QImage ContrastFilter::apply(const QImage& image) const
{
    return MapChannels(image, m_table);
}

} // namespace velmora
