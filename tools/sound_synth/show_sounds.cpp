#include "sound_synth/show_sounds.h"

#include "sound_synth/noise_instruments.h"
#include "sound_synth/pitch.h"
#include "sound_synth/plucked_string.h"
#include "sound_synth/recipe_tools.h"
#include "sound_synth/struck_instruments.h"
#include "sound_synth/sustained_instruments.h"

#include <algorithm>
#include <array>

StereoMix openingSting() {
    // A cymbal swells into a big B-flat chord of brass and strings; bells run up over it.
    StereoMix mix(2.7);
    constexpr double hit = 0.5;
    Signal swell = reversed(cymbal(1.2));
    swell.erase(swell.begin(), swell.end() - static_cast<long>(sampleCount(hit)));
    fadeIn(swell, 0.2);
    mix.add(swell, 0.0, 0.25);
    addBrassChord(mix, {"Bb3", "D4", "F4", "C5", "D5"}, hit, 1.0, 0.16, 1.2);
    addStringsChord(mix, {"Bb2", "F3", "D4", "F5"}, hit, 1.3, 0.03, 0.12);
    mix.add(boom(1.2), hit, 0.5);
    mix.add(timpani(noteHz("Bb1"), 1.6), hit, 0.4);
    mix.add(cymbal(1.8), hit, 0.22, 0.3);
    const std::array<std::string_view, 6> run{"Bb5", "D6", "F6", "Bb6", "D7", "F7"};
    for (std::size_t k = 0; k < run.size(); ++k)
        mix.add(glockenspiel(noteHz(run[k]), 1.2), hit + 0.06 * k, 0.12, stagePan(k, 6, 0.6));
    addHall(mix, 0.3, 0.6);
    return mix;
}

StereoMix firstQuestionGong() {
    // Two strikes of the same gong heard from either side give it its breadth.
    StereoMix mix(3.6);
    const double hz = noteHz("F2");
    mix.add(gong(hz, 3.5), 0.0, 0.5, -0.3);
    mix.add(gong(hz * 1.004, 3.5), 0.0, 0.5, 0.3);
    mix.add(boom(0.8), 0.0, 0.35);
    addHall(mix, 0.25, 0.8);
    return mix;
}

StereoMix nextQuestionSting() {
    // Air rushes up into a short stab of brass with a glint of bells.
    StereoMix mix(1.2);
    mix.add(whoosh(0.7, 300.0, 6000.0), 0.0, 0.9);
    constexpr double stab = 0.55;
    addBrassChord(mix, {"G4", "C5", "E5"}, stab, 0.12, 0.16, 1.3);
    mix.add(glockenspiel(noteHz("G6"), 0.6), stab, 0.15, -0.3);
    mix.add(glockenspiel(noteHz("C7"), 0.6), stab + 0.05, 0.15, 0.3);
    mix.add(timpani(noteHz("C2"), 0.5), stab, 0.25);
    addHall(mix, 0.2, 0.4);
    return mix;
}

StereoMix answerClick() {
    StereoMix mix(0.1);
    mix.add(clockTick(3200.0), 0.0, 0.8);
    mix.add(marimba(noteHz("D6"), 0.09), 0.0, 0.5);
    return mix;
}

StereoMix suspenseSting() {
    // Shivering strings on a minor second and a growing drum roll hold the breath, until a
    // diminished stab of the brass and a boom let it out.
    StereoMix mix(3.3);
    constexpr double stab = 2.25;
    addStringsChord(mix, {"D3", "Eb3", "A3"}, 0.0, stab, 1.2, 0.22, 11.0);
    addStringsChord(mix, {"D5", "Eb5"}, 0.3, stab - 0.3, 1.5, 0.12, 13.0);
    constexpr double kRollHitsPerSecond = 14.0;
    const auto hits = static_cast<int>(stab * kRollHitsPerSecond);
    const Signal drum = timpani(noteHz("D2"), 0.8);
    for (int k = 0; k < hits; ++k) {
        const double at = k / kRollHitsPerSecond;
        const double growing = 0.08 + 0.5 * (at / stab) * (at / stab);
        mix.add(drum, at, growing * (k % 2 ? 0.9 : 1.0), k % 2 ? 0.2 : -0.2);
    }
    addBrassChord(mix, {"D3", "F3", "Ab3", "B3", "D4"}, stab, 0.35, 0.16, 1.4);
    mix.add(boom(1.0), stab, 0.6);
    mix.add(cymbal(1.0), stab, 0.15);
    addHall(mix, 0.35, 0.7);
    return mix;
}

namespace {
struct Beat {
    double at; // in eighths of the bar
    std::string_view note;
    double length; // in eighths
};
} // namespace

StereoMix advertJingle() {
    // A bouncy tune in F on marimba doubled by bells, an oom-pah bass and handclaps on the
    // off-beats, landing on a bright chord.
    constexpr double eighth = 0.16;
    constexpr std::array<Beat, 11> melody{{
        {0, "C5", 1},
        {1, "F5", 1},
        {2, "A5", 1},
        {3, "F5", 1},
        {4, "C6", 2},
        {6, "A5", 2},
        {8, "Bb5", 1},
        {9, "G5", 1},
        {10, "E5", 1},
        {11, "G5", 1},
        {12, "F5", 6},
    }};
    constexpr std::array<Beat, 7> bass{{
        {0, "F2", 2},
        {2, "C3", 2},
        {4, "F2", 2},
        {6, "C3", 2},
        {8, "C2", 2},
        {10, "G2", 2},
        {12, "F2", 6},
    }};
    constexpr std::array<std::string_view, 3> tonic{"A3", "C4", "F4"};
    constexpr std::array<std::string_view, 3> dominant{"Bb3", "C4", "E4"};
    StereoMix mix(3.2);
    for (const Beat& beat : melody) {
        const double hz = noteHz(beat.note);
        const double ring = std::max(0.3, eighth * beat.length * 1.2);
        mix.add(marimba(hz, ring), beat.at * eighth, 0.35, -0.15);
        mix.add(glockenspiel(2.0 * hz, ring), beat.at * eighth, 0.08, 0.25);
    }
    for (const Beat& beat : bass)
        mix.add(pluckedString(noteHz(beat.note), eighth * beat.length + 0.3, 0.5), beat.at * eighth,
                0.5);
    // The pah of the oom-pah: short chords on every off-beat, tonic then dominant.
    for (int offBeat = 1; offBeat < 12; offBeat += 2) {
        const auto& chord = offBeat < 8 ? tonic : dominant;
        for (std::size_t k = 0; k < chord.size(); ++k)
            mix.add(marimba(noteHz(chord[k]), 0.25), offBeat * eighth, 0.12, stagePan(k, 3, 0.4));
    }
    for (const double at : {2.0, 6.0, 10.0})
        mix.add(handClap(1400.0, static_cast<std::uint32_t>(at)), at * eighth, 0.35, 0.1);
    constexpr double landing = 12 * eighth;
    addBrassChord(mix, {"F4", "A4", "C5", "F5"}, landing, 0.7, 0.1, 1.1);
    mix.add(cymbal(1.0), landing, 0.1, 0.4);
    addHall(mix, 0.22, 0.5);
    return mix;
}

StereoMix phoneRing() {
    // Two rings of an old telephone in a small room.
    StereoMix mix(3.2);
    mix.add(phoneBell(0.9), 0.0, 0.5, -0.1);
    mix.add(phoneBell(0.9), 1.5, 0.5, -0.1);
    addHall(mix, 0.12, 0.3);
    return mix;
}
