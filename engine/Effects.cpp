#include "engine/Effects.h"

#include "core/Failure.h"

#include <cmath>

namespace velmora {
namespace {

int drawOneToTen(RandomSource& random)
{
    return static_cast<int>(std::floor(random.draw() * 10 + 1));
}

} // namespace

EffectSet DrawEffectSet(RandomSource& random)
{
    EffectSet set;
    set.emboss = drawOneToTen(random) == 3;
    set.grayscale = drawOneToTen(random) == 4;
    set.halftone = drawOneToTen(random) == 2;
    set.average = drawOneToTen(random) == 5;
    set.contrast = drawOneToTen(random) == 1;
    set.gamma = drawOneToTen(random) == 1;
    return set;
}

EffectSet SelectEffectSet(Settings& settings, RandomSource& random)
{
    const int slot = settings.EffectType;
    if (slot < 0 || slot > 4)
        throw Failure(ErrorCode::SubscriptOutOfRange, Failure::standardText(ErrorCode::SubscriptOutOfRange));
    if (slot == 4)
        return {};
    if (slot == 0) {
        const EffectSet drawn = DrawEffectSet(random);
        settings.EffectEmbossOn[0] = drawn.emboss;
        settings.EffectGrayscaleOn[0] = drawn.grayscale;
        settings.EffectHalftoneOn[0] = drawn.halftone;
        settings.EffectAverageOn[0] = drawn.average;
        settings.EffectContrastOn[0] = drawn.contrast;
        settings.EffectGammaOn[0] = drawn.gamma;
        return drawn;
    }
    EffectSet set;
    set.emboss = settings.EffectEmbossOn[slot] == 1;
    set.grayscale = settings.EffectGrayscaleOn[slot] == 1;
    set.halftone = settings.EffectHalftoneOn[slot] == 1;
    set.average = settings.EffectAverageOn[slot] == 1;
    set.contrast = settings.EffectContrastOn[slot] == 1;
    set.gamma = settings.EffectGammaOn[slot] == 1;
    return set;
}

void ApplyEffectSet(RasterImage& image, const EffectSet& set)
{
    if (set.emboss)
        image.embossEffect();
    if (set.grayscale)
        image.grayscaleEffect();
    if (set.halftone)
        image.halftoneEffect();
    if (set.average)
        image.averageEffect();
    if (set.contrast)
        image.contrastEffect();
    if (set.gamma)
        image.gammaEffect();
}

void ApplyEffects(EngineState& state, Settings& settings, RandomSource& random)
{
    ApplyEffectSet(state.leadWallPaper, SelectEffectSet(settings, random));
}

} // namespace velmora
