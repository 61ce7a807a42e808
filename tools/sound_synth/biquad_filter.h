// A two-pole resonant filter: shapes noise into hand claps and whooshes, and darkens or opens
// a tone (the wah of a muted trombone). It may be retuned while it runs without losing its state.
#pragma once

enum class FilterKind { LowPass, HighPass, BandPass };

class BiquadFilter {
public:
    // centre: corner or centre frequency in Hz; q: resonance (0.707 is flat).
    BiquadFilter(FilterKind kind, double centre, double q);

    void tune(double centre, double q);
    float process(float input);

private:
    FilterKind m_kind;
    double m_b0 = 0.0;
    double m_b1 = 0.0;
    double m_b2 = 0.0;
    double m_a1 = 0.0;
    double m_a2 = 0.0;
    double m_x1 = 0.0;
    double m_x2 = 0.0;
    double m_y1 = 0.0;
    double m_y2 = 0.0;
};
