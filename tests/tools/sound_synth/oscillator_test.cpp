#include "sound_synth/oscillator.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {
Signal run(Oscillator oscillator, double hz, double seconds) {
    Signal out(sampleCount(seconds));
    for (float& sample : out)
        sample = oscillator.next(hz);
    return out;
}

class OscillatorWave : public testing::TestWithParam<Waveform> {};

std::string waveName(const testing::TestParamInfo<Waveform>& info) {
    constexpr const char* names[] = {"Sine", "Saw", "Square"};
    return names[static_cast<int>(info.param)];
}
} // namespace

// Every waveform repeats at the frequency asked for, low or high.
TEST_P(OscillatorWave, SoundsAtTheFrequencyAskedFor) {
    for (const double hz : {110.0, 440.0, 2500.0}) {
        const Signal wave = run(Oscillator(GetParam(), 0.1), hz, 0.5);
        EXPECT_NEAR(zeroCrossingHz(wave, 0.0, 0.5), hz, hz * 0.002) << hz << " Hz";
    }
}

// No waveform leaves the range -1 to 1 by more than the band-limiting ripple.
TEST_P(OscillatorWave, StaysWithinFullScale) {
    const Signal wave = run(Oscillator(GetParam()), 3000.0, 0.2);
    for (const float sample : wave)
        ASSERT_LE(std::abs(sample), 1.05f);
}

// Over whole cycles every waveform averages out to nothing.
TEST_P(OscillatorWave, HasNoOffset) {
    const Signal wave = run(Oscillator(GetParam()), 441.0, 1.0);
    double sum = 0.0;
    for (const float sample : wave)
        sum += sample;
    EXPECT_NEAR(sum / double(wave.size()), 0.0, 0.01);
}

INSTANTIATE_TEST_SUITE_P(Oscillator, OscillatorWave,
                         testing::Values(Waveform::Sine, Waveform::Saw, Waveform::Square),
                         waveName);

// The start phase places the first sample: a sine a quarter into its cycle is at its top.
TEST(Oscillator, StartPhasePlacesTheFirstSample) {
    Oscillator sine(Waveform::Sine, 0.25);
    EXPECT_NEAR(sine.next(100.0), 1.0f, 1e-6f);
}

// A change of frequency takes effect at once and keeps the wave continuous, as a glide needs.
TEST(Oscillator, FollowsAChangeOfFrequency) {
    Oscillator sine(Waveform::Sine);
    Signal wave;
    for (int i = 0; i < kSampleRate; ++i)
        wave.push_back(sine.next(i < kSampleRate / 2 ? 200.0 : 500.0));
    EXPECT_NEAR(zeroCrossingHz(wave, 0.0, 0.49), 200.0, 0.5);
    EXPECT_NEAR(zeroCrossingHz(wave, 0.51, 1.0), 500.0, 1.0);
    for (std::size_t i = 1; i < wave.size(); ++i)
        ASSERT_LT(std::abs(wave[i] - wave[i - 1]), 0.08f);
}
