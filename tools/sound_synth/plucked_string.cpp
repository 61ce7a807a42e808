#include "sound_synth/plucked_string.h"

#include "sound_synth/biquad_filter.h"
#include "sound_synth/noise_source.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kLossPerPass = 0.996f;
} // namespace

Signal pluckedString(double hz, double seconds, double brightness) {
    const double period = kSampleRate / hz;
    // The averaging of two neighbours delays by half a sample; the delay makes up the rest,
    // read between samples so that the string is in tune and not only near it.
    const double delay = period - 0.5;
    const auto whole = static_cast<std::size_t>(std::floor(delay));
    const auto fraction = static_cast<float>(delay - std::floor(delay));

    Signal out(sampleCount(seconds), 0.0f);
    NoiseSource noise(static_cast<std::uint32_t>(hz * 100.0));
    BiquadFilter pick(FilterKind::LowPass, 500.0 + 8000.0 * brightness, 0.7);
    const std::size_t burst = std::min(out.size(), whole + 2);
    for (std::size_t i = 0; i < burst; ++i)
        out[i] = pick.process(noise.next());

    fadeIn(out, 0.001);

    const auto delayed = [&](std::size_t i) {
        return (1.0f - fraction) * out[i - whole] + fraction * out[i - whole - 1];
    };
    for (std::size_t i = burst; i < out.size(); ++i)
        out[i] = kLossPerPass * 0.5f * (delayed(i) + delayed(i - 1));
    // At the end of the note the player's hand damps the string.
    fadeOut(out, std::min(0.1, seconds / 4.0));
    return out;
}
