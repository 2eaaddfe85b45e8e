#include "core/RandomSource.h"

#include <mutex>

namespace velmora {

namespace {

// A full-width seed: a single 32-bit word would allow only 2^32 distinct sequences.
QRandomGenerator systemSeeded()
{
    quint32 seed[8];
    QRandomGenerator::system()->fillRange(seed);
    return QRandomGenerator(seed, 8);
}

} // namespace

SeededRandom::SeededRandom()
    : m_generator(systemSeeded())
{}

namespace {

// The window thread draws list positions while a worker may draw effects or collage pieces.
class SharedRandom final : public RandomSource {
public:
    double draw() override
    {
        const std::lock_guard lock(m_mutex);
        return m_generator.draw();
    }

private:
    std::mutex m_mutex;
    SeededRandom m_generator;
};

} // namespace

RandomSource& ProcessRandom()
{
    static SharedRandom generator;
    return generator;
}

} // namespace velmora
