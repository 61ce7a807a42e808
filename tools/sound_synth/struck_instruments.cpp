#include "sound_synth/struck_instruments.h"

#include "sound_synth/additive_tone.h"
#include "sound_synth/biquad_filter.h"
#include "sound_synth/noise_source.h"

#include <array>
#include <cmath>

namespace {
// The thud of the mallet or hammer: a few milliseconds of filtered noise.
Signal strike(double seconds, double colourHz, std::uint32_t seed) {
    NoiseSource noise(seed);
    BiquadFilter filter(FilterKind::LowPass, colourHz, 0.7);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double fade = 1.0 - timeOf(i) / seconds;
        out[i] = static_cast<float>(fade * fade) * filter.process(noise.next());
    }
    return out;
}

// The metallic wash that blooms over a struck gong a moment after the hit.
Signal shimmer(double seconds) {
    NoiseSource noise(18);
    BiquadFilter metal(FilterKind::BandPass, 2500.0, 0.8);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double level = (1.0 - std::exp(-t / 0.15)) * std::exp(-t / (0.12 * seconds));
        out[i] = static_cast<float>(level) * metal.process(noise.next());
    }
    fadeOut(out, 0.005);
    return out;
}

Signal withStrike(Signal tone, const Signal& hit, float gain) {
    mixInto(tone, hit, 0.0, gain);
    return tone;
}
} // namespace

Signal marimba(double hz, double seconds) {
    const std::array<Partial, 3> partials{{
        {1.0, 1.0, 0.3 * seconds},
        {3.93, 0.30, 0.06 * seconds},
        {9.2, 0.10, 0.02 * seconds},
    }};
    return withStrike(additiveTone(hz, partials, seconds), strike(0.004, 3000.0, 11), 0.15f);
}

Signal glockenspiel(double hz, double seconds) {
    const std::array<Partial, 4> partials{{
        {1.0, 1.0, 0.3 * seconds},
        {2.76, 0.35, 0.15 * seconds},
        {5.40, 0.15, 0.08 * seconds},
        {8.93, 0.06, 0.04 * seconds},
    }};
    return withStrike(additiveTone(hz, partials, seconds), strike(0.002, 8000.0, 12), 0.1f);
}

Signal bell(double hz, double seconds) {
    const std::array<Partial, 8> partials{{
        {0.5, 0.30, 0.30 * seconds},
        {1.0, 1.00, 0.25 * seconds, 0.001, 0.0},
        {1.0, 0.40, 0.22 * seconds, 0.001, 1.3},
        {1.19, 0.45, 0.17 * seconds},
        {1.50, 0.30, 0.14 * seconds},
        {2.0, 0.55, 0.11 * seconds},
        {2.52, 0.22, 0.07 * seconds},
        {3.0, 0.15, 0.05 * seconds},
    }};
    return withStrike(additiveTone(hz, partials, seconds), strike(0.003, 6000.0, 13), 0.1f);
}

Signal gong(double hz, double seconds) {
    const std::array<Partial, 19> partials{{
        {1.00, 1.00, 0.30 * seconds, 0.004}, {1.00, 0.50, 0.30 * seconds, 0.004, 0.45},
        {1.47, 0.55, 0.28 * seconds, 0.010}, {1.98, 0.60, 0.28 * seconds, 0.020, -0.3},
        {2.43, 0.50, 0.26 * seconds, 0.040}, {2.92, 0.45, 0.26 * seconds, 0.060, 0.7},
        {3.55, 0.40, 0.25 * seconds, 0.080}, {4.17, 0.35, 0.25 * seconds, 0.100},
        {4.86, 0.30, 0.24 * seconds, 0.120}, {5.61, 0.26, 0.24 * seconds, 0.150},
        {6.43, 0.22, 0.22 * seconds, 0.170}, {7.31, 0.18, 0.22 * seconds, 0.190},
        {8.62, 0.15, 0.21 * seconds, 0.210}, {10.1, 0.12, 0.21 * seconds, 0.230},
        {12.3, 0.09, 0.20 * seconds, 0.250}, {15.7, 0.06, 0.20 * seconds, 0.250},
        {19.4, 0.05, 0.19 * seconds, 0.250}, {23.9, 0.04, 0.19 * seconds, 0.250},
        {29.3, 0.03, 0.18 * seconds, 0.250},
    }};
    Signal out = withStrike(additiveTone(hz, partials, seconds), strike(0.03, 400.0, 14), 0.8f);
    mixInto(out, shimmer(seconds), 0.0, 0.4f);
    return out;
}

Signal coin(double hz) {
    const std::array<Partial, 4> partials{{
        {1.0, 1.0, 0.12},
        {2.32, 0.6, 0.08},
        {4.25, 0.35, 0.05},
        {6.63, 0.2, 0.03},
    }};
    return withStrike(additiveTone(hz, partials, 0.6), strike(0.002, 9000.0, 15), 0.3f);
}

Signal timpani(double hz, double seconds) {
    const std::array<Partial, 5> partials{{
        {1.0, 1.0, 0.30 * seconds},
        {1.5, 0.55, 0.19 * seconds},
        {1.98, 0.35, 0.15 * seconds},
        {2.44, 0.22, 0.09 * seconds},
        {2.9, 0.12, 0.06 * seconds},
    }};
    return withStrike(additiveTone(hz, partials, seconds), strike(0.012, 900.0, 16), 0.5f);
}

Signal phoneBell(double seconds) {
    // A pair of small steel domes a little apart in pitch; the clapper swings 20 times a
    // second and hits each in turn.
    constexpr double kStrikesPerSecond = 40.0;
    constexpr std::array<double, 2> kDomeHz{1250.0, 1410.0};
    const std::array<Partial, 4> dome{{
        {1.0, 1.0, 0.30},
        {2.68, 0.50, 0.15},
        {5.02, 0.20, 0.08},
        {7.93, 0.05, 0.04},
    }};
    const Signal click = strike(0.003, 5000.0, 17);
    const std::array<Signal, 2> hits{withStrike(additiveTone(kDomeHz[0], dome, 1.0), click, 0.6f),
                                     withStrike(additiveTone(kDomeHz[1], dome, 1.0), click, 0.6f)};
    Signal out(sampleCount(seconds + 1.0), 0.0f);
    const auto strikes = static_cast<int>(seconds * kStrikesPerSecond);
    for (int k = 0; k < strikes; ++k)
        mixInto(out, hits[static_cast<std::size_t>(k % 2)], k / kStrikesPerSecond);
    fadeOut(out, 0.005);
    return out;
}
