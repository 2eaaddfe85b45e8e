#include "engine/filters/GammaFilter.h"

#include <algorithm>
#include <cmath>

namespace velmora {

GammaFilter::GammaFilter(int gammaHundredths)
{
    const double gamma = std::max(1, gammaHundredths) / 100.0;
    for (int i = 0; i < 256; ++i)
        m_table[i] = static_cast<unsigned char>(std::lround(255.0 * std::pow(i / 255.0, 1.0 / gamma)));
}

QImage GammaFilter::apply(const QImage& image) const
{
    return MapChannels(image, m_table);
}

} // namespace velmora
