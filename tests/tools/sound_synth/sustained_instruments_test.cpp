#include "sound_synth/sustained_instruments.h"

#include "tools/sound_synth/signal_probe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

// Blown softly a horn is nearly a pure tone, whose pitch the zero crossings give.
constexpr double kSoftly = 0.1;

TEST(SustainedInstruments, BrassSoundsAtItsNote) {
    const Signal horn = brass({220.0, 0.8, kSoftly, 0.0});
    EXPECT_NEAR(zeroCrossingHz(horn, 0.2, 0.7), 220.0, 0.5);
}

// The lip scoops up into the note: it starts a little flat.
TEST(SustainedInstruments, BrassScoopsUpIntoTheNote) {
    const Signal horn = brass({440.0, 0.5, kSoftly, 0.0});
    EXPECT_LT(zeroCrossingHz(horn, 0.0, 0.03), 0.99 * zeroCrossingHz(horn, 0.2, 0.4));
}

TEST(SustainedInstruments, BrassSlideEndsOnItsTarget) {
    const Signal horn = brass({220.0, 1.0, kSoftly, 0.0, 110.0});
    // Half way through the slide, half way down in pitch as the ear hears it.
    EXPECT_NEAR(zeroCrossingHz(horn, 0.1, 0.2), 220.0 * std::pow(0.5, 0.15), 2.0);
    EXPECT_NEAR(zeroCrossingHz(horn, 0.97, 1.1), 110.0, 2.0);
}

// Blown harder, the horn gains high harmonics.
TEST(SustainedInstruments, BrassBrightensWhenBlownHarder) {
    const Signal soft = brass({220.0, 0.5, 0.3, 0.0});
    const Signal hard = brass({220.0, 0.5, 1.5, 0.0});
    EXPECT_GT(crossingRate(hard, 0.2, 0.4), 1.3 * crossingRate(soft, 0.2, 0.4));
}

TEST(SustainedInstruments, NotesEndInSilence) {
    EXPECT_EQ(brass({220.0, 0.3}).back(), 0.0f);
    EXPECT_EQ(mutedTrombone({147.0, 0.3}, 2.0).back(), 0.0f);
    EXPECT_EQ(strings(330.0, 0.3, 0.1, 0.0).back(), 0.0f);
    EXPECT_EQ(buzzer(98.0, 0.3).back(), 0.0f);
}

// The plunger mute closes between wahs: the note is dull there and bright when open.
TEST(SustainedInstruments, MuteOpensAndClosesOnEachWah) {
    const Signal muted = mutedTrombone({147.0, 1.0, 1.0, 0.0}, 2.0);
    // Open at a quarter and three quarters of a second, closed at a half.
    const double open = shareAbove(muted, 0.2, 0.3, 600.0);
    const double closed = shareAbove(muted, 0.45, 0.55, 600.0);
    EXPECT_GT(open, 1.5 * closed);
}

TEST(SustainedInstruments, TremoloMakesTheStringsShiver) {
    const Signal steady = strings(440.0, 1.0, 0.05, 0.0);
    const Signal shivering = strings(440.0, 1.0, 0.05, 10.0);
    // Loudness in windows of a hundredth of a second, over half a second of held note.
    const auto swing = [](const Signal& tone) {
        double low = 1e9;
        double high = 0.0;
        for (double t = 0.4; t < 0.9; t += 0.01) {
            low = std::min(low, rmsBetween(tone, t, t + 0.01));
            high = std::max(high, rmsBetween(tone, t, t + 0.01));
        }
        return high / low;
    };
    EXPECT_GT(swing(shivering), 3.0);
    EXPECT_GT(swing(shivering), 2.0 * swing(steady));
}
