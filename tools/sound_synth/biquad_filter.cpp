#include "sound_synth/biquad_filter.h"

#include "sound_synth/signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

BiquadFilter::BiquadFilter(FilterKind kind, double centre, double q)
    : m_kind(kind) {
    tune(centre, q);
}

void BiquadFilter::tune(double centre, double q) {
    // Kept below the Nyquist frequency, where the filter would turn unstable.
    const double frequency = std::clamp(centre, 10.0, 0.45 * kSampleRate);
    const double w = 2.0 * std::numbers::pi * frequency / kSampleRate;
    const double alpha = std::sin(w) / (2.0 * std::max(q, 0.05));
    const double cosW = std::cos(w);
    const double a0 = 1.0 + alpha;
    switch (m_kind) {
    case FilterKind::LowPass:
        m_b0 = (1.0 - cosW) / 2.0;
        m_b1 = 1.0 - cosW;
        m_b2 = m_b0;
        break;
    case FilterKind::HighPass:
        m_b0 = (1.0 + cosW) / 2.0;
        m_b1 = -(1.0 + cosW);
        m_b2 = m_b0;
        break;
    case FilterKind::BandPass:
        m_b0 = alpha;
        m_b1 = 0.0;
        m_b2 = -alpha;
        break;
    }
    m_b0 /= a0;
    m_b1 /= a0;
    m_b2 /= a0;
    m_a1 = -2.0 * cosW / a0;
    m_a2 = (1.0 - alpha) / a0;
}

float BiquadFilter::process(float input) {
    const double output = m_b0 * input + m_b1 * m_x1 + m_b2 * m_x2 - m_a1 * m_y1 - m_a2 * m_y2;
    m_x2 = m_x1;
    m_x1 = input;
    m_y2 = m_y1;
    m_y1 = output;
    return static_cast<float>(output);
}
