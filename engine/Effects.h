#pragma once
// The composition's effect step: which of the six filters run, and running them in their fixed order.
#include "core/RandomSource.h"
#include "core/Settings.h"
#include "engine/EngineState.h"

namespace velmora {

struct EffectSet {
    bool emboss = false;
    bool grayscale = false;
    bool halftone = false;
    bool average = false;
    bool contrast = false;
    bool gamma = false;

    bool operator==(const EffectSet&) const = default;
};

// The random set: one draw n in 1..10 per filter, each filter on for one value of n (a one-in-ten chance).
EffectSet DrawEffectSet(RandomSource& random);

// The set EffectType selects: 0 drawn at random (and kept in slot 0 of the flags, not saved), 1 to 3
// the user's sets, 4 all off. Any other EffectType throws SubscriptOutOfRange.
EffectSet SelectEffectSet(Settings& settings, RandomSource& random);

// Emboss, grayscale, halftone, average, contrast, gamma: in that order, those that are on.
void ApplyEffectSet(RasterImage& image, const EffectSet& set);

// The whole step on the wallpaper image.
void ApplyEffects(EngineState& state, Settings& settings, RandomSource& random = ProcessRandom());

} // namespace velmora
