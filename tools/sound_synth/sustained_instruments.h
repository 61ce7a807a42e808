// Instruments that sound as long as they are played: the studio band's brass and strings,
// and the electric buzzer of a wrong answer.
#pragma once

#include "sound_synth/signal.h"

struct BrassNote {
    double hz;
    double seconds;          // how long the note is blown; the release follows
    double brightness = 1.0; // how hard it is blown: the brassy edge grows with it
    double vibrato = 0.004;  // depth as a share of the pitch, setting in after the attack
    double slideTo = 0.0;    // the frequency a slide ends on, 0 for none
};

// A trumpet or trombone: frequency modulation whose depth follows the loudness, as the tone
// of a real horn brightens the harder it is blown, with the lip's scoop up into the note.
Signal brass(const BrassNote& note);

// A trombone behind a plunger mute that opens and closes wahsPerSecond times.
Signal mutedTrombone(const BrassNote& note, double wahsPerSecond);

// A string section: detuned saws under a soft filter; tremoloHz above 0 makes the bows
// shiver, for suspense.
Signal strings(double hz, double seconds, double attack, double tremoloHz);

// The low, rasping electric buzzer of a wrong answer or a time alarm.
Signal buzzer(double hz, double seconds);
