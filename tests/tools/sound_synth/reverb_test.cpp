#include "sound_synth/reverb.h"

#include "sound_synth/stereo_mix.h"
#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

namespace {
// A single click at the start of two seconds of silence, through the hall.
StereoMix clickInHall(double roomSize, double wet) {
    StereoMix mix(2.0);
    mix.add(Signal{1.0f}, 0.0, 1.0);
    Reverb(roomSize, 0.5).apply(mix, wet);
    return mix;
}
} // namespace

TEST(Reverb, HallRingsOnAfterTheClickAndDiesAway) {
    const StereoMix mix = clickInHall(0.6, 1.0);
    const double early = rmsBetween(mix.left(), 0.1, 0.3);
    EXPECT_GT(early, 0.0);
    EXPECT_LT(rmsBetween(mix.left(), 1.7, 2.0), 0.1 * early);
}

TEST(Reverb, LargerRoomRingsLonger) {
    const StereoMix small = clickInHall(0.2, 1.0);
    const StereoMix large = clickInHall(0.9, 1.0);
    EXPECT_GT(rmsBetween(large.left(), 0.8, 1.2), 3.0 * rmsBetween(small.left(), 0.8, 1.2));
}

// The two sides of the hall answer differently, which makes it wide.
TEST(Reverb, LeftAndRightAnswerDifferently) {
    const StereoMix mix = clickInHall(0.6, 1.0);
    EXPECT_NE(mix.left(), mix.right());
    EXPECT_NEAR(rmsBetween(mix.left(), 0.1, 0.5), rmsBetween(mix.right(), 0.1, 0.5),
                0.3 * rmsBetween(mix.left(), 0.1, 0.5));
}

// The hall adds to the sound, it never replaces it.
TEST(Reverb, DrySoundStaysWhereItWas) {
    const StereoMix dry = clickInHall(0.6, 0.0);
    EXPECT_FLOAT_EQ(dry.left()[0], clickInHall(0.6, 0.5).left()[0]);
    EXPECT_EQ(rmsBetween(dry.left(), 0.001, 2.0), 0.0);
}
