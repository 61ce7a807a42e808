// Sounds made of shaped noise, without a pitch of their own or with only a trace of one:
// hands, air, the clock's escapement, cymbals and the boom of a big drum.
#pragma once

#include "sound_synth/signal.h"

#include <cstdint>

// One pair of hands: a few quick slaps in a row, as palms meet, with the colour of the hands
// around colourHz.
Signal handClap(double colourHz, std::uint32_t seed);

// Air rushing past, its colour sweeping from fromHz to toHz: the swish of a change of scene.
Signal whoosh(double seconds, double fromHz, double toHz);

// One beat of a clock's escapement; tick and tock differ in pitch.
Signal clockTick(double hz);

// A crash cymbal, ringing for about the given time.
Signal cymbal(double seconds);

// The deep boom of a big drum whose pitch drops as it sounds: the weight under a sting.
Signal boom(double seconds);
