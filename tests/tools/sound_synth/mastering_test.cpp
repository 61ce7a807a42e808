#include "sound_synth/mastering.h"

#include "sound_synth/stereo_mix.h"
#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {
StereoMix toneMix(double offset) {
    StereoMix mix(1.0);
    Signal tone = sineWave(220.0, 1.0);
    for (float& sample : tone)
        sample = float(0.3 * sample + offset);
    mix.add(tone, 0.0, 1.0, -0.2);
    return mix;
}

int loudest(const PcmSound& sound) {
    int peak = 0;
    for (const std::int16_t sample : sound.samples)
        peak = std::max(peak, std::abs(int(sample)));
    return peak;
}
} // namespace

TEST(Mastering, GivesInterleavedStereoAtTheSynthesiserRate) {
    const PcmSound sound = master(toneMix(0.0), 0.8);
    EXPECT_EQ(sound.sampleRate, kSampleRate);
    EXPECT_EQ(sound.channels, 2);
    EXPECT_EQ(sound.samples.size(), 2 * sampleCount(1.0));
}

TEST(Mastering, LoudestMomentLandsOnThePeakAskedFor) {
    EXPECT_NEAR(loudest(master(toneMix(0.0), 0.8)), 0.8 * 32767, 2);
    EXPECT_NEAR(loudest(master(toneMix(0.0), 0.3)), 0.3 * 32767, 2);
}

// Asking for full scale or more must still not clip.
TEST(Mastering, PeakIsKeptBelowFullScale) {
    EXPECT_LT(loudest(master(toneMix(0.0), 1.5)), 32767);
}

TEST(Mastering, OffsetIsTakenOut) {
    const PcmSound sound = master(toneMix(0.4), 0.8);
    double sum = 0.0;
    // Over the second half, once the high-pass has settled.
    for (std::size_t i = sound.samples.size() / 2; i < sound.samples.size(); i += 2)
        sum += sound.samples[i];
    EXPECT_NEAR(sum / double(sound.samples.size() / 4) / 32768.0, 0.0, 0.005);
}

// Starting or stopping the file clicks unless both ends are silent.
TEST(Mastering, BothEndsAreSilent) {
    StereoMix loud(0.5);
    loud.add(Signal(loud.left().size(), 1.0f), 0.0, 1.0);
    loud.add(sineWave(1000.0, 0.5), 0.0, 0.5);
    const PcmSound sound = master(loud, 0.9);
    EXPECT_EQ(sound.samples[0], 0);
    EXPECT_EQ(sound.samples[1], 0);
    EXPECT_EQ(sound.samples[sound.samples.size() - 2], 0);
    EXPECT_EQ(sound.samples.back(), 0);
}

TEST(Mastering, LeftAndRightStayApart) {
    StereoMix mix(0.2);
    mix.add(sineWave(500.0, 0.2), 0.0, 1.0, -1.0);
    const PcmSound sound = master(mix, 0.5);
    int rightPeak = 0;
    for (std::size_t i = 1; i < sound.samples.size(); i += 2)
        rightPeak = std::max(rightPeak, std::abs(int(sound.samples[i])));
    EXPECT_EQ(rightPeak, 0);
    EXPECT_GT(loudest(sound), 10000);
}

TEST(Mastering, SilenceStaysSilence) {
    const PcmSound sound = master(StereoMix(0.1), 0.9);
    EXPECT_EQ(loudest(sound), 0);
}
