// Instruments that are struck once and then ring: each a set of partials in the proportions
// of its real counterpart (a bar, a bell, a gong, a coin, a drum skin). A tone lasts the given
// seconds and has died away to about a thirtieth of its strength by then.
#pragma once

#include "sound_synth/signal.h"

// A wooden bar: warm, short, for the bouncy tune of the commercial break.
Signal marimba(double hz, double seconds);

// Small steel bars: bright and clear, for happy arpeggios and sparkle.
Signal glockenspiel(double hz, double seconds);

// A hand bell with its minor-third tierce: the chime of a milestone and of a till.
Signal bell(double hz, double seconds);

// A large gong: inharmonic partials whose upper ones bloom after the strike, beating slowly.
Signal gong(double hz, double seconds);

// A small coin dropping on a pile: a short high metallic ping.
Signal coin(double hz);

// A kettle drum, tuned.
Signal timpani(double hz, double seconds);

// The two bells of an old telephone hammered in turn by its clapper for the given time; the
// result rings on for a second after the clapper stops.
Signal phoneBell(double seconds);
