// Measurements on rendered signals, for checking the synthesiser's pieces by their numbers.
#pragma once

#include "sound_synth/signal.h"

// Root mean square between two times in seconds.
double rmsBetween(const Signal& signal, double from, double to);

// Frequency from the rising zero crossings between two times: exact for a pure tone.
double zeroCrossingHz(const Signal& signal, double from, double to);

// Zero crossings per second in either direction: rises with the brightness of noise.
double crossingRate(const Signal& signal, double from, double to);

// Pitch of a periodic tone, however rich in overtones, from where it best repeats itself;
// roughHz must be within a fifth of the answer. Precise to a few cents even for high notes,
// as it measures over twenty periods.
double periodicHz(const Signal& signal, double from, double roughHz);

// Share of the loudness that lies above the given frequency: 0 for a dull sound, towards 1 for
// a bright one.
double shareAbove(const Signal& signal, double from, double to, double hz);

// A steady sine of the given frequency and length.
Signal sineWave(double hz, double seconds);
