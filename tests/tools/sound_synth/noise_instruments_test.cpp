#include "sound_synth/noise_instruments.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

// A clap is over in a moment: its sound lies in the first few hundredths of a second.
TEST(NoiseInstruments, HandClapIsOverInAMoment) {
    const Signal clap = handClap(1500.0, 3);
    EXPECT_LT(rmsBetween(clap, 0.08, 0.12), 0.1 * rmsBetween(clap, 0.0, 0.03));
}

TEST(NoiseInstruments, HandsDifferByTheirSeed) {
    EXPECT_NE(handClap(1500.0, 3), handClap(1500.0, 4));
    EXPECT_EQ(handClap(1500.0, 3), handClap(1500.0, 3));
}

TEST(NoiseInstruments, LargerHandsSoundLower) {
    EXPECT_LT(crossingRate(handClap(800.0, 5), 0.0, 0.05),
              crossingRate(handClap(2400.0, 5), 0.0, 0.05));
}

// The air of a whoosh rises in colour from its start to its end.
TEST(NoiseInstruments, WhooshRisesAsItRuns) {
    const Signal air = whoosh(1.0, 300.0, 6000.0);
    EXPECT_GT(crossingRate(air, 0.7, 0.8), 3.0 * crossingRate(air, 0.2, 0.3));
}

TEST(NoiseInstruments, ClockTickIsShortAndTockIsLower) {
    const Signal tick = clockTick(3000.0);
    const Signal tock = clockTick(2000.0);
    EXPECT_LT(rmsBetween(tick, 0.03, 0.04), 0.05 * rmsBetween(tick, 0.0, 0.01));
    EXPECT_LT(crossingRate(tock, 0.0, 0.01), crossingRate(tick, 0.0, 0.01));
}

TEST(NoiseInstruments, CymbalIsBrightAndFades) {
    const Signal crash = cymbal(1.0);
    EXPECT_GT(crossingRate(crash, 0.0, 0.2), 6000.0);
    EXPECT_LT(rmsBetween(crash, 0.9, 1.0), 0.05 * rmsBetween(crash, 0.0, 0.1));
}

// The big drum's pitch drops after the hit.
TEST(NoiseInstruments, BoomFallsInPitch) {
    const Signal drum = boom(1.0);
    EXPECT_GT(zeroCrossingHz(drum, 0.0, 0.05), 1.5 * zeroCrossingHz(drum, 0.3, 0.6));
    EXPECT_NEAR(zeroCrossingHz(drum, 0.3, 0.6), 42.0, 2.0);
}
