// The files the build put into the game's wav folder, checked as the game's player will meet
// them.
#include "tools/sound_synth/wav_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>
#include <ostream>

namespace {
struct Expected {
    const char* name;
    double shortest; // seconds
    double longest;
};

void PrintTo(const Expected& expected, std::ostream* out) {
    *out << expected.name;
}

class SoundFile : public testing::TestWithParam<Expected> {
protected:
    static std::filesystem::path folder() {
        return std::filesystem::path(ZAMBREL_BUILD_DIR) / "wav";
    }
    void SetUp() override {
        m_probe = probeWav(folder() / (std::string(GetParam().name) + ".wav"));
        ASSERT_EQ(m_probe.problem, "");
    }
    WavProbe m_probe;
};

double peakOf(const std::vector<double>& samples) {
    double peak = 0.0;
    for (const double sample : samples)
        peak = std::max(peak, std::abs(sample));
    return peak;
}

double peakOfFirst(const std::vector<double>& samples, std::size_t count) {
    return peakOf({samples.begin(), samples.begin() + long(std::min(count, samples.size()))});
}
} // namespace

TEST_P(SoundFile, IsPlayablePcm) {
    EXPECT_EQ(m_probe.format, 1);
    EXPECT_EQ(m_probe.bitsPerSample, 16);
    EXPECT_TRUE(m_probe.channels == 1 || m_probe.channels == 2);
    EXPECT_GE(m_probe.sampleRate, 22050);
}

// Many sounds hold the game while they play: none may run long, none be cut short.
TEST_P(SoundFile, LastsAsLongAsItsMoment) {
    EXPECT_GE(m_probe.seconds(), GetParam().shortest);
    EXPECT_LE(m_probe.seconds(), GetParam().longest);
}

TEST_P(SoundFile, NeverClips) {
    for (int c = 0; c < m_probe.channels; ++c)
        EXPECT_LT(peakOf(m_probe.channel(c)), 0.95) << "channel " << c;
}

TEST_P(SoundFile, IsClearlyAudible) {
    double loudest = 0.0;
    for (int c = 0; c < m_probe.channels; ++c)
        loudest = std::max(loudest, peakOf(m_probe.channel(c)));
    EXPECT_GT(loudest, 0.3);
}

TEST_P(SoundFile, HasNoOffset) {
    for (int c = 0; c < m_probe.channels; ++c) {
        const std::vector<double> samples = m_probe.channel(c);
        const double mean =
            std::accumulate(samples.begin(), samples.end(), 0.0) / double(samples.size());
        EXPECT_LT(std::abs(mean), 0.005) << "channel " << c;
    }
}

// A file that starts or stops away from zero clicks in the speaker.
TEST_P(SoundFile, StartsAndEndsInSilence) {
    const auto millisecond = std::size_t(m_probe.sampleRate / 1000);
    for (int c = 0; c < m_probe.channels; ++c) {
        std::vector<double> samples = m_probe.channel(c);
        EXPECT_LT(peakOfFirst(samples, millisecond / 10 + 1), 0.01) << "start, channel " << c;
        std::reverse(samples.begin(), samples.end());
        EXPECT_LT(peakOfFirst(samples, 5 * millisecond), 0.01) << "end, channel " << c;
    }
}

INSTANTIATE_TEST_SUITE_P(WavFolder, SoundFile,
                         testing::Values(Expected{"begin", 2.0, 3.2}, Expected{"gong", 2.5, 4.0},
                                         Expected{"change", 0.7, 1.4},
                                         Expected{"btnclick", 0.05, 0.2},
                                         Expected{"MILLION", 2.5, 3.6},
                                         Expected{"RECLAMA", 2.5, 3.6}, Expected{"appl", 2.5, 3.6},
                                         Expected{"yes", 1.5, 2.5}, Expected{"ugadal", 1.5, 2.5},
                                         Expected{"winner", 2.5, 3.6}, Expected{"summa", 2.0, 3.0},
                                         Expected{"false", 2.0, 3.0}, Expected{"oshibka", 0.6, 1.0},
                                         Expected{"stoptime", 2.5, 3.6}, Expected{"true", 1.5, 2.5},
                                         Expected{"zvonok", 2.5, 3.6}),
                         [](const auto& info) { return std::string(info.param.name); });
