#pragma once
// The collage's draws, kept in the order they were made so that the plan can go back to an earlier
// decision and make the later ones again from the same draws: when a piece planned ahead turns out
// not to load, the plan from there on comes out exactly as if it had been made one piece at a time.
// Copies share the draws and keep their own place; one thread only.
#include "core/RandomSource.h"

#include <memory>
#include <vector>

namespace velmora {

class RandomTape {
public:
    explicit RandomTape(RandomSource& source);
    // Uniform in [0, 1): the draw at this place, drawn from the source the first time.
    double draw();
    std::size_t position() const { return m_position; }

private:
    struct Draws {
        RandomSource* source;
        std::vector<double> values;
    };
    std::shared_ptr<Draws> m_draws;
    std::size_t m_position = 0;
};

} // namespace velmora
