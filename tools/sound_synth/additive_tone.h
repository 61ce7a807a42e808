// A struck or rung tone built from sine partials, each with its own pitch ratio, loudness,
// rise and die-away: the common engine of bells, gongs, bars and coins.
#pragma once

#include "sound_synth/signal.h"

#include <span>

struct Partial {
    double ratio; // of the note's frequency
    double amplitude;
    double decay;          // seconds to fall to 1/e
    double attack = 0.001; // seconds to rise to 1 - 1/e; a gong's upper partials bloom slowly
    double detuneHz = 0.0; // a little off its ratio, to beat against a neighbour
};

// Partials above the hearing range of the file are left out.
Signal additiveTone(double hz, std::span<const Partial> partials, double seconds);
