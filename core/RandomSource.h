#pragma once
// The program's random draws: one generator seeded once from the system's entropy source, so that
// draws in quick succession are independent. Tests inject their own source.
#include <QRandomGenerator>

namespace velmora {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Uniform in [0, 1).
    virtual double draw() = 0;
};

class SeededRandom final : public RandomSource {
public:
    // Seeded from the system's entropy source.
    SeededRandom();
    explicit SeededRandom(quint32 seed)
        : m_generator(seed)
    {}
    double draw() override { return m_generator.generateDouble(); }

private:
    QRandomGenerator m_generator;
};

// The process's generator; safe to draw from any thread.
RandomSource& ProcessRandom();

} // namespace velmora
