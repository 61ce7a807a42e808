#include "sound_synth/noise_source.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
std::vector<float> draw(NoiseSource noise, int count) {
    std::vector<float> out;
    for (int i = 0; i < count; ++i)
        out.push_back(noise.next());
    return out;
}
} // namespace

// The same seed gives the same noise, so every build writes the same files.
TEST(NoiseSource, SameSeedGivesTheSameNoise) {
    EXPECT_EQ(draw(NoiseSource(7), 1000), draw(NoiseSource(7), 1000));
}

TEST(NoiseSource, DifferentSeedsGiveDifferentNoise) {
    EXPECT_NE(draw(NoiseSource(7), 1000), draw(NoiseSource(8), 1000));
}

// A zero seed would freeze the generator at zero: it must still give noise.
TEST(NoiseSource, ZeroSeedStillGivesNoise) {
    const std::vector<float> noise = draw(NoiseSource(0), 100);
    int silent = 0;
    for (const float sample : noise)
        silent += sample == 0.0f;
    EXPECT_LT(silent, 3);
}

// White noise fills the range -1 to 1 evenly around zero.
TEST(NoiseSource, FillsTheRangeEvenlyAroundZero) {
    const std::vector<float> noise = draw(NoiseSource(3), 200000);
    double sum = 0.0;
    double squares = 0.0;
    for (const float sample : noise) {
        ASSERT_GE(sample, -1.0f);
        ASSERT_LT(sample, 1.0f);
        sum += sample;
        squares += double(sample) * sample;
    }
    EXPECT_NEAR(sum / double(noise.size()), 0.0, 0.01);
    // A uniform spread over -1..1 has a mean square of one third.
    EXPECT_NEAR(squares / double(noise.size()), 1.0 / 3.0, 0.01);
}

TEST(NoiseSource, BetweenKeepsToItsBounds) {
    NoiseSource chance(5);
    double lowest = 10.0;
    double highest = 0.0;
    for (int i = 0; i < 10000; ++i) {
        const double value = chance.between(2.0, 3.0);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_GE(lowest, 2.0);
    EXPECT_LT(highest, 3.0);
    EXPECT_LT(lowest, 2.01);
    EXPECT_GT(highest, 2.99);
}
