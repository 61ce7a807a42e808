#include "sound_synth/oscillator.h"

#include "sound_synth/signal.h"

#include <cmath>
#include <numbers>

namespace {
// Polynomial correction of a step at phase 0, spread over one sample on either side.
double polyBlep(double phase, double step) {
    if (phase < step) {
        const double x = phase / step;
        return x + x - x * x - 1.0;
    }
    if (phase > 1.0 - step) {
        const double x = (phase - 1.0) / step;
        return x * x + x + x + 1.0;
    }
    return 0.0;
}
} // namespace

Oscillator::Oscillator(Waveform waveform, double phase)
    : m_phase(phase - std::floor(phase))
    , m_waveform(waveform) {}

float Oscillator::next(double frequency) {
    const double step = frequency / kSampleRate;
    double value = 0.0;
    switch (m_waveform) {
    case Waveform::Sine:
        value = std::sin(2.0 * std::numbers::pi * m_phase);
        break;
    case Waveform::Saw:
        value = 2.0 * m_phase - 1.0 - polyBlep(m_phase, step);
        break;
    case Waveform::Square: {
        const double half = m_phase + 0.5 - std::floor(m_phase + 0.5);
        value = (m_phase < 0.5 ? 1.0 : -1.0) + polyBlep(m_phase, step) - polyBlep(half, step);
        break;
    }
    }
    m_phase += step;
    m_phase -= std::floor(m_phase);
    return static_cast<float>(value);
}
