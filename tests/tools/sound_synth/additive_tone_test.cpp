#include "sound_synth/additive_tone.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

TEST(AdditiveTone, PartialSoundsAtItsRatioOfTheNote) {
    const std::array<Partial, 1> partials{{{2.5, 1.0, 10.0}}};
    const Signal tone = additiveTone(200.0, partials, 0.5);
    EXPECT_NEAR(zeroCrossingHz(tone, 0.05, 0.45), 500.0, 0.2);
}

TEST(AdditiveTone, DetuneShiftsThePartialByHertz) {
    const std::array<Partial, 1> partials{{{1.0, 1.0, 10.0, 0.001, 3.0}}};
    const Signal tone = additiveTone(300.0, partials, 1.0);
    EXPECT_NEAR(zeroCrossingHz(tone, 0.05, 0.95), 303.0, 0.1);
}

// Over one decay time a partial falls to 1/e of its strength.
TEST(AdditiveTone, PartialDiesAwayAtItsDecayTime) {
    const std::array<Partial, 1> partials{{{1.0, 1.0, 0.5}}};
    const Signal tone = additiveTone(1000.0, partials, 2.0);
    const double early = rmsBetween(tone, 0.2, 0.25);
    const double late = rmsBetween(tone, 0.7, 0.75);
    EXPECT_NEAR(late / early, std::exp(-1.0), 0.01);
}

// A slow attack lets a partial bloom after the strike rather than start with it.
TEST(AdditiveTone, SlowAttackBloomsAfterTheStrike) {
    const std::array<Partial, 1> partials{{{1.0, 1.0, 5.0, 0.2}}};
    const Signal tone = additiveTone(500.0, partials, 1.0);
    EXPECT_LT(rmsBetween(tone, 0.0, 0.02), 0.2 * rmsBetween(tone, 0.5, 0.6));
}

// A partial beyond what the file can hold would fold back as a false low whistle.
TEST(AdditiveTone, PartialAboveTheFileRangeIsLeftOut) {
    const std::array<Partial, 1> partials{{{30.0, 1.0, 1.0}}};
    const Signal tone = additiveTone(1000.0, partials, 0.2);
    EXPECT_EQ(rmsBetween(tone, 0.0, 0.2), 0.0);
}

TEST(AdditiveTone, LastsItsTimeAndEndsInSilence) {
    const std::array<Partial, 2> partials{{{1.0, 1.0, 10.0}, {2.0, 0.5, 10.0}}};
    const Signal tone = additiveTone(440.0, partials, 0.3);
    EXPECT_EQ(tone.size(), sampleCount(0.3));
    EXPECT_EQ(tone.back(), 0.0f);
}
