#include "sound_synth/plucked_string.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

// The loop of a plucked string is a whole number of samples only by chance; the string must
// be in tune for every note, high ones included, where a sample is a large part of a period.
TEST(PluckedString, IsInTuneAcrossTheRange) {
    for (const double hz : {87.31, 130.81, 523.25, 1318.5}) {
        const Signal string = pluckedString(hz, 1.0, 0.5);
        // Within a twentieth of a semitone.
        EXPECT_NEAR(periodicHz(string, 0.2, hz), hz, hz * 0.003) << hz << " Hz";
    }
}

TEST(PluckedString, DiesAwayAfterThePluck) {
    const Signal string = pluckedString(220.0, 2.0, 0.5);
    EXPECT_LT(rmsBetween(string, 1.8, 1.9), 0.5 * rmsBetween(string, 0.05, 0.15));
    EXPECT_EQ(string.back(), 0.0f);
}

TEST(PluckedString, HarderPluckSoundsBrighter) {
    const Signal soft = pluckedString(220.0, 0.3, 0.0);
    const Signal hard = pluckedString(220.0, 0.3, 1.0);
    EXPECT_GT(crossingRate(hard, 0.0, 0.05), 1.5 * crossingRate(soft, 0.0, 0.05));
}
