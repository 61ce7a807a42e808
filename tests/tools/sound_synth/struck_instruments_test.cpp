#include "sound_synth/struck_instruments.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {
struct Struck {
    std::string name;
    std::function<Signal(double hz, double seconds)> play;
};

class StruckInstrument : public testing::TestWithParam<Struck> {};
} // namespace

// A struck tone must have died away by the end of its time, or cutting it there would click.
TEST_P(StruckInstrument, HasDiedAwayByItsEnd) {
    const Signal tone = GetParam().play(440.0, 1.5);
    EXPECT_EQ(tone.size(), sampleCount(1.5));
    EXPECT_LT(rmsBetween(tone, 1.4, 1.5), 0.1 * rmsBetween(tone, 0.0, 0.15));
    EXPECT_EQ(tone.back(), 0.0f);
}

// Rung for longer, it rings longer.
TEST_P(StruckInstrument, LongerTimeRingsLonger) {
    const Signal brief = GetParam().play(440.0, 0.5);
    const Signal ringing = GetParam().play(440.0, 2.0);
    EXPECT_GT(rmsBetween(ringing, 0.4, 0.45), 2.0 * rmsBetween(brief, 0.4, 0.45));
}

INSTANTIATE_TEST_SUITE_P(StruckInstruments, StruckInstrument,
                         testing::Values(Struck{"Marimba", marimba},
                                         Struck{"Glockenspiel", glockenspiel}, Struck{"Bell", bell},
                                         Struck{"Gong", gong}, Struck{"Timpani", timpani}),
                         [](const auto& info) { return info.param.name; });

// Bars are tuned: their fundamental is the note, the overtones die first.
TEST(StruckInstruments, MarimbaRingsOnItsNote) {
    const Signal bar = marimba(523.25, 1.5);
    EXPECT_NEAR(zeroCrossingHz(bar, 0.3, 0.8), 523.25, 0.5);
}

// A gong's upper partials bloom a moment after the hit rather than sound with it.
TEST(StruckInstruments, GongBloomsAfterTheHit) {
    const Signal gongTone = gong(65.0, 3.0);
    EXPECT_GT(shareAbove(gongTone, 0.25, 0.35, 600.0),
              2.0 * shareAbove(gongTone, 0.0, 0.02, 600.0));
}

TEST(StruckInstruments, CoinIsShortAndHigh) {
    const Signal ping = coin(4000.0);
    EXPECT_LT(rmsBetween(ping, 0.4, 0.5), 0.05 * rmsBetween(ping, 0.0, 0.05));
    EXPECT_GT(crossingRate(ping, 0.0, 0.05), 2.0 * 4000.0 * 0.9);
}

// The telephone rings while the clapper swings and only echoes after.
TEST(StruckInstruments, PhoneBellRingsForItsTimeThenFades) {
    const Signal ring = phoneBell(0.8);
    EXPECT_EQ(ring.size(), sampleCount(1.8));
    const double ringing = rmsBetween(ring, 0.6, 0.8);
    EXPECT_GT(ringing, 0.5 * rmsBetween(ring, 0.1, 0.3));
    EXPECT_LT(rmsBetween(ring, 1.6, 1.8), 0.05 * ringing);
}
