#include "sound_synth/biquad_filter.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
// How much of a steady sine gets through, once the filter has settled.
double gainAt(BiquadFilter filter, double hz) {
    Signal tone = sineWave(hz, 0.5);
    for (float& sample : tone)
        sample = filter.process(sample);
    return rmsBetween(tone, 0.2, 0.5) / std::sqrt(0.5);
}
} // namespace

TEST(BiquadFilter, LowPassLetsLowNotesThroughAndStopsHighOnes) {
    const BiquadFilter filter(FilterKind::LowPass, 1000.0, 0.707);
    EXPECT_NEAR(gainAt(filter, 100.0), 1.0, 0.02);
    EXPECT_LT(gainAt(filter, 8000.0), 0.03);
}

TEST(BiquadFilter, HighPassStopsLowNotesAndLetsHighOnesThrough) {
    const BiquadFilter filter(FilterKind::HighPass, 1000.0, 0.707);
    EXPECT_LT(gainAt(filter, 125.0), 0.03);
    EXPECT_NEAR(gainAt(filter, 10000.0), 1.0, 0.02);
}

// At its corner a flat filter lets through half the power.
TEST(BiquadFilter, FlatFilterIsThreeDecibelsDownAtItsCorner) {
    EXPECT_NEAR(gainAt(BiquadFilter(FilterKind::LowPass, 2000.0, 0.707), 2000.0), 0.707, 0.01);
    EXPECT_NEAR(gainAt(BiquadFilter(FilterKind::HighPass, 2000.0, 0.707), 2000.0), 0.707, 0.01);
}

TEST(BiquadFilter, BandPassPassesItsCentreAndDampsEitherSide) {
    const BiquadFilter filter(FilterKind::BandPass, 1500.0, 3.0);
    EXPECT_NEAR(gainAt(filter, 1500.0), 1.0, 0.02);
    EXPECT_LT(gainAt(filter, 500.0), 0.15);
    EXPECT_LT(gainAt(filter, 4500.0), 0.15);
}

// Retuning moves the corner of a filter already made.
TEST(BiquadFilter, RetuningMovesTheCorner) {
    BiquadFilter filter(FilterKind::LowPass, 200.0, 0.707);
    EXPECT_LT(gainAt(filter, 3000.0), 0.01);
    filter.tune(8000.0, 0.707);
    EXPECT_NEAR(gainAt(filter, 3000.0), 1.0, 0.05);
}

// A corner above what the file can hold would make the filter run away; it stays bounded.
TEST(BiquadFilter, CornerAboveTheFileRangeStaysStable) {
    BiquadFilter filter(FilterKind::LowPass, 30000.0, 0.707);
    const Signal tone = sineWave(1000.0, 0.5);
    for (const float sample : tone) {
        const float out = filter.process(sample);
        ASSERT_TRUE(std::isfinite(out));
        ASSERT_LT(std::abs(out), 2.0f);
    }
}
