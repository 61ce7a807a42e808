#include "sound_synth/stereo_mix.h"

#include <algorithm>
#include <cmath>
#include <numbers>

StereoMix::StereoMix(double seconds)
    : m_left(sampleCount(seconds), 0.0f)
    , m_right(sampleCount(seconds), 0.0f) {}

void StereoMix::add(const Signal& mono, double at, double gain, double pan) {
    // Equal-power panning: a sound keeps its loudness wherever it is placed.
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0;
    const auto leftGain = static_cast<float>(gain * std::cos(angle));
    const auto rightGain = static_cast<float>(gain * std::sin(angle));
    const std::size_t start = sampleCount(at);
    if (start >= m_left.size())
        return;
    const std::size_t count = std::min(mono.size(), m_left.size() - start);
    for (std::size_t i = 0; i < count; ++i) {
        m_left[start + i] += leftGain * mono[i];
        m_right[start + i] += rightGain * mono[i];
    }
}
