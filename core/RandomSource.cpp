#include "core/RandomSource.h"

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

RandomSource& ProcessRandom()
{
    static SeededRandom generator;
    return generator;
}

} // namespace velmora
