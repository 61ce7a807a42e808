// Helpers shared by the recipes of the game's sounds: chords of the studio band laid out
// across the stage, and the hall around them.
#pragma once

#include "sound_synth/stereo_mix.h"

#include <initializer_list>
#include <string_view>

using Notes = std::initializer_list<std::string_view>;

// Place of the k-th of n players, from left to right over the given width (0 to 1).
double stagePan(std::size_t k, std::size_t n, double width);

// Each note of a chord blown by two horns a few cents apart, the chord spread across the stage.
void addBrassChord(StereoMix& mix, Notes notes, double at, double seconds, double gain,
                   double brightness = 1.0);

// Each note of a chord bowed by the string section.
void addStringsChord(StereoMix& mix, Notes notes, double at, double seconds, double attack,
                     double gain, double tremoloHz = 0.0);

// The same signal backwards: a cymbal that swells into the hit instead of ringing after it.
Signal reversed(Signal signal);

// The studio's hall on the whole mix.
void addHall(StereoMix& mix, double wet, double roomSize);
