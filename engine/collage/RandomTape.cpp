#include "engine/collage/RandomTape.h"

namespace velmora {

RandomTape::RandomTape(RandomSource& source)
    : m_draws(std::make_shared<Draws>(Draws{&source, {}}))
{}

double RandomTape::draw()
{
    std::vector<double>& values = m_draws->values;
    if (m_position == values.size())
        values.push_back(m_draws->source->draw());
    return values[m_position++];
}

} // namespace velmora
