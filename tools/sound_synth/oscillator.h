// A running waveform whose pitch may change from sample to sample (glides, vibrato). Saw and
// square are band-limited, so that high notes do not fold back into harsh whistles.
#pragma once

enum class Waveform { Sine, Saw, Square };

class Oscillator {
public:
    // phase: start position in the cycle, 0 to 1.
    explicit Oscillator(Waveform waveform, double phase = 0.0);

    // The next sample, -1 to 1, at the given frequency in Hz.
    float next(double frequency);

private:
    double m_phase;
    Waveform m_waveform;
};
