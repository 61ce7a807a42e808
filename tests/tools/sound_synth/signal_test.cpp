#include "sound_synth/signal.h"

#include <gtest/gtest.h>

TEST(Signal, SampleCountRoundsToTheNearestSample) {
    EXPECT_EQ(sampleCount(1.0), std::size_t(kSampleRate));
    EXPECT_EQ(sampleCount(0.5 / kSampleRate * 3.0), 2u);
    EXPECT_EQ(sampleCount(0.0), 0u);
    EXPECT_EQ(sampleCount(-1.0), 0u);
}

TEST(Signal, FadeInStartsFromSilenceAndLeavesTheRest) {
    Signal signal(1000, 1.0f);
    fadeIn(signal, 100.0 / kSampleRate);
    EXPECT_EQ(signal[0], 0.0f);
    EXPECT_NEAR(signal[50], 0.5f, 1e-6f);
    EXPECT_LT(signal[10], signal[20]);
    EXPECT_EQ(signal[100], 1.0f);
    EXPECT_EQ(signal[999], 1.0f);
}

TEST(Signal, FadeOutEndsInSilenceAndLeavesTheRest) {
    Signal signal(1000, 1.0f);
    fadeOut(signal, 100.0 / kSampleRate);
    EXPECT_EQ(signal[999], 0.0f);
    EXPECT_NEAR(signal[949], 0.5f, 1e-6f);
    EXPECT_EQ(signal[899], 1.0f);
}

// A fade longer than the signal fades the whole of it and touches nothing beyond.
TEST(Signal, FadeLongerThanTheSignalStaysInside) {
    Signal signal(10, 1.0f);
    fadeOut(signal, 1.0);
    fadeIn(signal, 1.0);
    EXPECT_EQ(signal.size(), 10u);
    EXPECT_EQ(signal[0], 0.0f);
    EXPECT_EQ(signal[9], 0.0f);
}

TEST(Signal, MixIntoAddsAtItsTimeAndCutsAtTheEnd) {
    Signal target(10, 1.0f);
    mixInto(target, Signal(5, 2.0f), 7.0 / kSampleRate, 0.5f);
    EXPECT_EQ(target.size(), 10u);
    EXPECT_EQ(target[6], 1.0f);
    EXPECT_EQ(target[7], 2.0f);
    EXPECT_EQ(target[9], 2.0f);
}
