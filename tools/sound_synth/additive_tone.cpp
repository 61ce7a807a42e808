#include "sound_synth/additive_tone.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double kHighestPartialHz = 0.45 * kSampleRate;
constexpr double kEndFadeSeconds = 0.005;
} // namespace

Signal additiveTone(double hz, std::span<const Partial> partials, double seconds) {
    Signal out(sampleCount(seconds), 0.0f);
    for (const Partial& partial : partials) {
        const double frequency = hz * partial.ratio + partial.detuneHz;
        if (frequency <= 0.0 || frequency >= kHighestPartialHz)
            continue;
        const double step = 2.0 * std::numbers::pi * frequency / kSampleRate;
        for (std::size_t i = 0; i < out.size(); ++i) {
            const double t = timeOf(i);
            const double level = partial.amplitude * (1.0 - std::exp(-t / partial.attack)) *
                                 std::exp(-t / partial.decay);
            if (t > 8.0 * partial.attack && level < 1e-6)
                break; // died away: the rest would add nothing but time
            out[i] += static_cast<float>(level * std::sin(step * static_cast<double>(i)));
        }
    }
    fadeOut(out, kEndFadeSeconds);
    return out;
}
