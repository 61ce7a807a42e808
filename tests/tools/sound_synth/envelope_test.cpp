#include "sound_synth/envelope.h"

#include <gtest/gtest.h>

namespace {
const Envelope kOrgan(0.1, 0.2, 0.6, 0.4);
constexpr double kHeld = 1.0;
} // namespace

// Nothing sounds before the key goes down.
TEST(Envelope, IsSilentBeforeTheKeyGoesDown) {
    EXPECT_EQ(kOrgan.level(-0.01, kHeld), 0.0);
}

// The attack climbs in a straight line to full level.
TEST(Envelope, AttackRisesEvenlyToFullLevel) {
    EXPECT_DOUBLE_EQ(kOrgan.level(0.0, kHeld), 0.0);
    EXPECT_DOUBLE_EQ(kOrgan.level(0.05, kHeld), 0.5);
    EXPECT_DOUBLE_EQ(kOrgan.level(0.1, kHeld), 1.0);
}

// After the attack the level falls to the sustain level over the decay time.
TEST(Envelope, DecayFallsFromFullToSustainLevel) {
    EXPECT_DOUBLE_EQ(kOrgan.level(0.2, kHeld), 0.8);
    EXPECT_DOUBLE_EQ(kOrgan.level(0.3, kHeld), 0.6);
}

// While the key stays down the sustain level holds.
TEST(Envelope, SustainHoldsWhileTheKeyIsDown) {
    EXPECT_DOUBLE_EQ(kOrgan.level(0.9, kHeld), 0.6);
}

// Once the key is let go the level falls to silence over the release time.
TEST(Envelope, ReleaseFallsFromSustainToSilence) {
    EXPECT_DOUBLE_EQ(kOrgan.level(kHeld + 0.2, kHeld), 0.3);
    EXPECT_EQ(kOrgan.level(kHeld + 0.4, kHeld), 0.0);
    EXPECT_EQ(kOrgan.level(kHeld + 5.0, kHeld), 0.0);
    EXPECT_DOUBLE_EQ(kOrgan.length(kHeld), kHeld + 0.4);
}

// A key let go in the middle of the attack releases from where the attack had got to, so the
// note never jumps up.
TEST(Envelope, KeyLetGoDuringAttackReleasesFromTheLevelReached) {
    const Envelope slow(1.0, 0.1, 0.5, 0.2);
    EXPECT_DOUBLE_EQ(slow.level(0.5, 0.5), 0.5);
    EXPECT_DOUBLE_EQ(slow.level(0.6, 0.5), 0.25);
}

// A note without attack or decay time starts at full level and goes straight to sustain.
TEST(Envelope, ZeroTimesJumpWithoutDividingByZero) {
    const Envelope hit(0.0, 0.0, 0.7, 0.1);
    EXPECT_DOUBLE_EQ(hit.level(0.0, 1.0), 0.7);
    EXPECT_DOUBLE_EQ(hit.level(0.5, 1.0), 0.7);
}
