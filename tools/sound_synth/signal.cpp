#include "sound_synth/signal.h"

#include <algorithm>
#include <cmath>
#include <numbers>

std::size_t sampleCount(double seconds) {
    return seconds <= 0.0 ? 0 : static_cast<std::size_t>(std::lround(seconds * kSampleRate));
}

namespace {
double rampGain(std::size_t step, std::size_t steps) {
    return 0.5 - 0.5 * std::cos(std::numbers::pi * static_cast<double>(step) /
                                static_cast<double>(steps));
}
} // namespace

void fadeIn(Signal& signal, double seconds) {
    const std::size_t steps = std::min(sampleCount(seconds), signal.size());
    for (std::size_t i = 0; i < steps; ++i)
        signal[i] *= static_cast<float>(rampGain(i, steps));
}

void fadeOut(Signal& signal, double seconds) {
    const std::size_t steps = std::min(sampleCount(seconds), signal.size());
    const std::size_t last = signal.size() - 1;
    for (std::size_t i = 0; i < steps; ++i)
        signal[last - i] *= static_cast<float>(rampGain(i, steps));
}

void mixInto(Signal& target, const Signal& source, double at, float gain) {
    const std::size_t start = sampleCount(at);
    for (std::size_t i = 0; i < source.size() && start + i < target.size(); ++i)
        target[start + i] += gain * source[i];
}
