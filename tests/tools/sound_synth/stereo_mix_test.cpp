#include "sound_synth/stereo_mix.h"

#include <gtest/gtest.h>

TEST(StereoMix, LastsTheTimeItWasMadeFor) {
    const StereoMix mix(1.5);
    EXPECT_EQ(mix.left().size(), sampleCount(1.5));
    EXPECT_EQ(mix.right().size(), sampleCount(1.5));
}

TEST(StereoMix, NoteStartsAtItsTime) {
    StereoMix mix(1.0);
    mix.add(Signal(10, 1.0f), 0.5, 1.0, -1.0);
    const std::size_t start = sampleCount(0.5);
    EXPECT_EQ(mix.left()[start - 1], 0.0f);
    EXPECT_NEAR(mix.left()[start], 1.0f, 1e-6f);
    EXPECT_NEAR(mix.left()[start + 9], 1.0f, 1e-6f);
    EXPECT_EQ(mix.left()[start + 10], 0.0f);
}

TEST(StereoMix, HardLeftLeavesTheRightSpeakerSilent) {
    StereoMix mix(0.1);
    mix.add(Signal(100, 1.0f), 0.0, 0.8, -1.0);
    EXPECT_NEAR(mix.left()[50], 0.8f, 1e-6f);
    EXPECT_NEAR(mix.right()[50], 0.0f, 1e-6f);
}

// Wherever a note stands, its power is the same: a centred note is not louder.
TEST(StereoMix, PanningKeepsTheLoudness) {
    for (const double pan : {-0.7, 0.0, 0.3, 1.0}) {
        StereoMix mix(0.1);
        mix.add(Signal(100, 1.0f), 0.0, 0.5, pan);
        const double power = mix.left()[0] * mix.left()[0] + mix.right()[0] * mix.right()[0];
        EXPECT_NEAR(power, 0.25, 1e-6) << pan;
    }
    StereoMix centre(0.1);
    centre.add(Signal(100, 1.0f), 0.0, 1.0);
    EXPECT_FLOAT_EQ(centre.left()[0], centre.right()[0]);
}

TEST(StereoMix, NotesAddUp) {
    StereoMix mix(0.1);
    mix.add(Signal(100, 1.0f), 0.0, 0.25, -1.0);
    mix.add(Signal(100, 1.0f), 0.0, 0.5, -1.0);
    EXPECT_NEAR(mix.left()[0], 0.75f, 1e-6f);
}

TEST(StereoMix, WhatRunsPastTheEndIsCutOff) {
    StereoMix mix(0.01);
    const std::size_t size = mix.left().size();
    mix.add(Signal(size * 2, 1.0f), 0.005, 1.0);
    mix.add(Signal(10, 1.0f), 5.0, 1.0);
    EXPECT_EQ(mix.left().size(), size);
    EXPECT_GT(mix.left().back(), 0.0f);
}
