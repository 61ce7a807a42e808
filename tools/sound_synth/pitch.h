// Note names as a musician writes them ("C4", "F#3", "Bb5") turned into frequencies of equal
// temperament with A4 at 440 Hz, so that the tunes of the sounds read as tunes.
#pragma once

#include <string_view>

// Throws std::invalid_argument on a name that is no note.
double noteHz(std::string_view name);

// The frequency a number of semitones (fractions allowed) above or below another.
double transpose(double hz, double semitones);
