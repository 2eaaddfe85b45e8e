#include "engine/Effects.h"
#include "core/Failure.h"
#include "engine/filters/EmbossFilter.h"
#include "engine/filters/GammaFilter.h"
#include "tests/support/TestImages.h"

#include <gtest/gtest.h>

#include <set>

namespace velmora {
namespace {

using test::PhotoLikeImage;
using test::ScriptedRandom;

// n = Int(draw * 10 + 1): a draw of (n - 1) / 10 + 0.05 gives n.
double drawFor(int n)
{
    return (n - 1) / 10.0 + 0.05;
}

TEST(DrawEffectSet, EachFilterHasItsOwnDrawAndNumber)
{
    {
        ScriptedRandom random{drawFor(3), drawFor(4), drawFor(2), drawFor(5), drawFor(1), drawFor(1)};
        const EffectSet all = DrawEffectSet(random);
        EXPECT_EQ(all, (EffectSet{true, true, true, true, true, true}));
        EXPECT_EQ(random.used(), 6);
    }
    {
        // The same numbers one place later hit nothing.
        ScriptedRandom random{drawFor(4), drawFor(2), drawFor(5), drawFor(1), drawFor(6), drawFor(10)};
        EXPECT_EQ(DrawEffectSet(random), EffectSet{});
    }
    {
        // The ends of [0, 1): 0 gives 1, just below 1 gives 10.
        ScriptedRandom random{0.0, 0.0, 0.0, 0.0, 0.0, 0.999999};
        EXPECT_EQ(DrawEffectSet(random), (EffectSet{false, false, false, false, true, false}));
    }
}

TEST(DrawEffectSet, TheProgramsGeneratorGivesIndependentDraws)
{
    // Draws in quick succession must differ (a clock-seeded generator would repeat one value).
    std::set<double> values;
    for (int i = 0; i < 60; ++i)
        values.insert(ProcessRandom().draw());
    EXPECT_GT(values.size(), 55u);
    SeededRandom a;
    SeededRandom b;
    EXPECT_NE(a.draw(), b.draw());
    // Over many draws each filter comes up about one time in ten.
    int emboss = 0;
    for (int i = 0; i < 5000; ++i)
        emboss += DrawEffectSet(ProcessRandom()).emboss;
    EXPECT_NEAR(emboss / 5000.0, 0.1, 0.025);
}

TEST(SelectEffectSet, ChoosesTheSetByEffectType)
{
    Settings settings;
    settings.EffectEmbossOn = {0, 1, 0, 1, 1};
    settings.EffectGammaOn = {0, 0, 1, 1, 1};
    ScriptedRandom random{};
    settings.EffectType = 1;
    EXPECT_EQ(SelectEffectSet(settings, random), (EffectSet{true, false, false, false, false, false}));
    settings.EffectType = 2;
    EXPECT_EQ(SelectEffectSet(settings, random), (EffectSet{false, false, false, false, false, true}));
    settings.EffectType = 4; // accepted: all off, whatever its slot holds
    EXPECT_EQ(SelectEffectSet(settings, random), EffectSet{});
    EXPECT_EQ(random.used(), 0);
    for (const Integer bad : {Integer(-1), Integer(5), Integer(100)}) {
        settings.EffectType = bad;
        try {
            SelectEffectSet(settings, random);
            ADD_FAILURE() << bad;
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.code(), ErrorCode::SubscriptOutOfRange);
        }
    }
}

TEST(SelectEffectSet, TheRandomSetIsKeptInSlotZero)
{
    Settings settings;
    settings.EffectType = 0;
    ScriptedRandom random{drawFor(3), drawFor(9), drawFor(9), drawFor(9), drawFor(9), drawFor(1)};
    EXPECT_EQ(SelectEffectSet(settings, random), (EffectSet{true, false, false, false, false, true}));
    EXPECT_EQ(settings.EffectEmbossOn[0], 1);
    EXPECT_EQ(settings.EffectGammaOn[0], 1);
    EXPECT_EQ(settings.EffectGrayscaleOn[0], 0);
}

TEST(ApplyEffects, WithAllDrawsMissingNoFilterRuns)
{
    EngineState state;
    state.leadWallPaper.assignPicture(PhotoLikeImage(40, 30, 1));
    const QImage before = state.leadWallPaper.image();
    Settings settings;
    settings.EffectType = 0;
    ScriptedRandom random{drawFor(10), drawFor(10), drawFor(10), drawFor(10), drawFor(10), drawFor(10)};
    ApplyEffects(state, settings, random);
    EXPECT_EQ(state.leadWallPaper.image(), before);
}

TEST(ApplyEffects, RunsTheFiltersInTheFixedOrder)
{
    const QImage photo = PhotoLikeImage(60, 40, 2);
    EngineState state;
    state.leadWallPaper.assignPicture(photo);
    Settings settings;
    settings.EffectType = 1;
    // Gamma switched on first, emboss later: emboss still runs first.
    settings.EffectGammaOn[1] = 1;
    settings.EffectEmbossOn[1] = 1;
    ScriptedRandom random{};
    ApplyEffects(state, settings, random);
    const QImage embossThenGamma = GammaFilter(230).apply(EmbossFilter(1, 500).apply(photo));
    const QImage gammaThenEmboss = EmbossFilter(1, 500).apply(GammaFilter(230).apply(photo));
    ASSERT_NE(embossThenGamma, gammaThenEmboss);
    EXPECT_EQ(state.leadWallPaper.image(), embossThenGamma);
}

TEST(ApplyEffects, EveryFilterTogetherLeavesAPictureOfTheSameSize)
{
    EngineState state;
    state.leadWallPaper.assignPicture(PhotoLikeImage(70, 50, 3));
    ApplyEffectSet(state.leadWallPaper, EffectSet{true, true, true, true, true, true});
    EXPECT_EQ(state.leadWallPaper.image().size(), QSize(70, 50));
}

} // namespace
} // namespace velmora
