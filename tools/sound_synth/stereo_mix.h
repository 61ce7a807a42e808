// A stereo sheet of fixed length on which one of the game's sounds is laid out, note by note,
// each at its time, loudness and place between the left and right speaker.
#pragma once

#include "sound_synth/signal.h"

class StereoMix {
public:
    explicit StereoMix(double seconds);

    // Lays a mono signal in from time `at` on; pan runs from -1 (left) to 1 (right). What
    // runs past the end of the sheet is cut off.
    void add(const Signal& mono, double at, double gain, double pan = 0.0);

    Signal& left() { return m_left; }
    Signal& right() { return m_right; }
    const Signal& left() const { return m_left; }
    const Signal& right() const { return m_right; }

private:
    Signal m_left;
    Signal m_right;
};
