#include "sound_synth/verdict_sounds.h"

#include "sound_synth/biquad_filter.h"
#include "sound_synth/noise_instruments.h"
#include "sound_synth/noise_source.h"
#include "sound_synth/pitch.h"
#include "sound_synth/recipe_tools.h"
#include "sound_synth/struck_instruments.h"
#include "sound_synth/sustained_instruments.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {
// How strongly the audience claps at a moment: a quick swell, a plateau, a long fade.
double applauseStrength(double t) {
    if (t < 0.4)
        return t / 0.4;
    if (t < 1.6)
        return 1.0;
    return std::max(0.0, 1.0 - (t - 1.6) / 1.3);
}

// The murmur of many hands too close together to hear apart.
Signal applauseBed(double seconds) {
    NoiseSource noise(61);
    BiquadFilter hands(FilterKind::BandPass, 1500.0, 0.6);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(applauseStrength(timeOf(i))) * hands.process(noise.next());
    return out;
}
} // namespace

StereoMix applause() {
    // Forty people, each clapping at a pace and with hands of their own, joining in and
    // dropping out at their own moments.
    constexpr int kPeople = 40;
    StereoMix mix(3.0);
    NoiseSource chance(62);
    std::uint32_t clapSeed = 1000;
    for (int person = 0; person < kPeople; ++person) {
        const double pace = chance.between(3.2, 5.0);
        const double colour = chance.between(700.0, 2400.0);
        const double pan = chance.between(-0.9, 0.9);
        const double loudness = chance.between(0.4, 1.0);
        const double stop = chance.between(1.8, 2.8);
        for (double t = chance.between(0.0, 0.35); t < stop; t += chance.between(0.9, 1.1) / pace)
            mix.add(handClap(colour, clapSeed++), t, 0.12 * loudness * applauseStrength(t), pan);
    }
    mix.add(applauseBed(3.0), 0.0, 0.05);
    addHall(mix, 0.3, 0.55);
    return mix;
}

StereoMix yesChord() {
    // "Ta-ta-taaa!": two quick pick-ups and a big C major chord of the brass.
    StereoMix mix(2.0);
    for (const double at : {0.0, 0.13})
        addBrassChord(mix, {"G4", "C5"}, at, 0.07, 0.16, 1.1);
    constexpr double chord = 0.26;
    addBrassChord(mix, {"C4", "E4", "G4", "C5", "E5"}, chord, 1.1, 0.16, 1.3);
    mix.add(timpani(noteHz("G2"), 0.4), 0.0, 0.3, -0.2);
    mix.add(timpani(noteHz("G2"), 0.4), 0.13, 0.3, -0.2);
    mix.add(timpani(noteHz("C2"), 1.5), chord, 0.45, 0.2);
    mix.add(cymbal(1.5), chord, 0.2, 0.3);
    addHall(mix, 0.3, 0.55);
    return mix;
}

StereoMix guessedArpeggio() {
    // Bells and bars run up a C major chord from left to right and ring on over a soft pad.
    StereoMix mix(2.0);
    constexpr std::array<std::string_view, 7> run{"C5", "E5", "G5", "C6", "E6", "G6", "C7"};
    for (std::size_t k = 0; k < run.size(); ++k) {
        const double at = 0.07 * k;
        const double pan = stagePan(k, run.size(), 0.7);
        mix.add(glockenspiel(noteHz(run[k]), 1.4), at, 0.22, pan);
        mix.add(marimba(noteHz(run[k]) / 2.0, 0.6), at, 0.2, pan);
    }
    addStringsChord(mix, {"C4", "E4", "G4", "C5"}, 0.05, 1.0, 0.15, 0.08);
    addHall(mix, 0.3, 0.6);
    return mix;
}

StereoMix winnerFanfare() {
    // A trumpet call up the C major chord, answered by the whole band on the top.
    StereoMix mix(3.0);
    constexpr std::array<std::pair<double, std::string_view>, 6> call{{
        {0.0, "G4"},
        {0.11, "C5"},
        {0.22, "E5"},
        {0.33, "G5"},
        {0.66, "E5"},
        {0.80, "G5"},
    }};
    for (const auto& [at, note] : call) {
        const double length = note == "G5" && at < 0.5 ? 0.26 : 0.09;
        mix.add(brass({noteHz(note), length, 1.3, 0.0}), at, 0.3, 0.1);
        mix.add(brass({noteHz(note) / 2.0, length, 1.0, 0.0}), at + 0.005, 0.15, -0.1);
    }
    constexpr double top = 0.95;
    addBrassChord(mix, {"C4", "G4", "C5", "E5", "G5", "C6"}, top, 1.3, 0.13, 1.4);
    addStringsChord(mix, {"C3", "G3", "E4"}, top, 1.3, 0.05, 0.1);
    mix.add(timpani(noteHz("G2"), 0.5), 0.33, 0.35);
    mix.add(timpani(noteHz("C2"), 2.0), top, 0.5);
    mix.add(boom(1.2), top, 0.3);
    mix.add(cymbal(2.0), top, 0.22, 0.3);
    addHall(mix, 0.32, 0.65);
    return mix;
}

StereoMix milestoneChime() {
    // "Ka-ching": the till's drawer rattles open, its bell rings, and the band warmly agrees.
    StereoMix mix(2.6);
    constexpr std::array<std::pair<double, double>, 4> drawer{{
        {0.0, 1900.0},
        {0.035, 2400.0},
        {0.06, 1500.0},
        {0.09, 2100.0},
    }};
    for (const auto& [at, hz] : drawer)
        mix.add(clockTick(hz), at, 0.5, -0.2);
    mix.add(boom(0.2), 0.08, 0.3);
    constexpr double ching = 0.12;
    mix.add(bell(noteHz("G6"), 1.8), ching, 0.45, 0.2);
    mix.add(bell(noteHz("D7"), 1.2), ching + 0.02, 0.2, 0.3);
    for (const double hz : {3900.0, 4700.0, 5300.0})
        mix.add(coin(hz), ching + (hz - 3500.0) / 20000.0, 0.12, 0.4);
    constexpr double chord = 0.4;
    addStringsChord(mix, {"C4", "E4", "G4", "B4", "D5"}, chord, 1.2, 0.08, 0.1);
    constexpr std::array<std::string_view, 4> bars{"C6", "E6", "G6", "B6"};
    for (std::size_t k = 0; k < bars.size(); ++k)
        mix.add(glockenspiel(noteHz(bars[k]), 1.6), chord + 0.03 * k, 0.12,
                stagePan(k, bars.size(), 0.5));
    addHall(mix, 0.28, 0.6);
    return mix;
}

StereoMix losingTrombone() {
    // "Wah, wah, wah, wah-ah-ah": a muted trombone stepping down, the last note sliding and
    // wobbling away.
    StereoMix mix(2.7);
    constexpr std::array<std::string_view, 3> steps{"D4", "C#4", "C4"};
    for (std::size_t k = 0; k < steps.size(); ++k) {
        const BrassNote note{noteHz(steps[k]), 0.32, 0.9, 0.0};
        mix.add(mutedTrombone(note, 1.0 / 0.47), 0.42 * k, 0.5);
    }
    const BrassNote last{noteHz("B3"), 1.1, 0.9, 0.012, transpose(noteHz("B3"), -0.6)};
    mix.add(mutedTrombone(last, 6.0), 1.26, 0.5);
    mix.add(mutedTrombone({noteHz("B2"), 1.1, 0.6, 0.012, transpose(noteHz("B2"), -0.6)}, 6.0),
            1.26, 0.2, -0.3);
    addHall(mix, 0.22, 0.45);
    return mix;
}

StereoMix wrongBuzzer() {
    // Two buzzers a semitone apart rasp against each other.
    StereoMix mix(0.8);
    mix.add(buzzer(noteHz("G2"), 0.7), 0.0, 0.5, -0.15);
    mix.add(buzzer(noteHz("F#2"), 0.7), 0.0, 0.4, 0.15);
    return mix;
}

StereoMix timeUpClock() {
    // The clock ticks ever faster, then the low alarm sounds three times.
    StereoMix mix(3.0);
    double at = 0.0;
    double gap = 0.3;
    for (int beat = 0; at < 1.95; ++beat) {
        mix.add(clockTick(beat % 2 ? 2300.0 : 3000.0), at, 1.6, beat % 2 ? 0.25 : -0.25);
        at += gap;
        gap *= 0.94;
    }
    constexpr std::array<std::pair<double, double>, 3> alarm{{
        {2.0, 0.16},
        {2.25, 0.16},
        {2.5, 0.35},
    }};
    for (const auto& [start, length] : alarm) {
        mix.add(buzzer(noteHz("A2"), length), start, 0.2);
        mix.add(buzzer(noteHz("E2"), length), start, 0.14);
    }
    mix.add(boom(0.6), 2.0, 0.25);
    addHall(mix, 0.18, 0.4);
    return mix;
}

StereoMix banknoteCoins() {
    // A shower of coins, thick at first and thinning out, under a bright chord of bells.
    StereoMix mix(2.1);
    constexpr int kCoins = 70;
    NoiseSource chance(71);
    for (int k = 0; k < kCoins; ++k) {
        const double at = 1.4 * std::pow(chance.between(0.0, 1.0), 1.7);
        const double hz = chance.between(2600.0, 5600.0);
        const double pan = chance.between(-0.8, 0.8);
        mix.add(coin(hz), at, chance.between(0.05, 0.12) * (1.0 - 0.5 * at / 1.4), pan);
    }
    constexpr std::array<std::string_view, 3> chord{"C6", "E6", "G6"};
    for (std::size_t k = 0; k < chord.size(); ++k)
        mix.add(bell(noteHz(chord[k]), 1.8), 0.02 * k, 0.15, stagePan(k, chord.size(), 0.5));
    addHall(mix, 0.25, 0.5);
    return mix;
}
