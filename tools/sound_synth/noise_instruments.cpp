#include "sound_synth/noise_instruments.h"

#include "sound_synth/biquad_filter.h"
#include "sound_synth/noise_source.h"
#include "sound_synth/oscillator.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {
// Noise under an exponential die-away, through a filter.
Signal decayingNoise(double seconds, double decay, BiquadFilter filter, std::uint32_t seed) {
    NoiseSource noise(seed);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(std::exp(-timeOf(i) / decay)) * filter.process(noise.next());
    fadeIn(out, 0.0005);
    fadeOut(out, 0.003);
    return out;
}
} // namespace

Signal handClap(double colourHz, std::uint32_t seed) {
    NoiseSource chance(seed);
    Signal out(sampleCount(0.12), 0.0f);
    // The palms meet in a few slaps within a hundredth of a second, then the room answers.
    double at = 0.0;
    for (int slap = 0; slap < 3; ++slap) {
        const BiquadFilter palms(FilterKind::BandPass, colourHz * chance.between(0.85, 1.15), 1.6);
        mixInto(out, decayingNoise(0.012, 0.0025, palms, seed + 1 + slap), at);
        at += chance.between(0.004, 0.009);
    }
    const BiquadFilter room(FilterKind::BandPass, colourHz, 1.0);
    mixInto(out, decayingNoise(0.1, 0.02, room, seed + 7), at, 0.5f);
    return out;
}

Signal whoosh(double seconds, double fromHz, double toHz) {
    NoiseSource noise(21);
    // Two filters in a row, so that the air has a colour and not just a tint over a hiss.
    BiquadFilter air(FilterKind::BandPass, fromHz, 2.0);
    BiquadFilter colour(FilterKind::BandPass, fromHz, 2.0);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double progress = timeOf(i) / seconds;
        if (i % 16 == 0) {
            const double centre = fromHz * std::pow(toHz / fromHz, progress);
            air.tune(centre, 2.0);
            colour.tune(centre, 2.0);
        }
        // Swells towards the end of its run and is gone quickly.
        const double level = std::pow(std::sin(std::numbers::pi * std::pow(progress, 1.6)), 2);
        out[i] = static_cast<float>(level) * colour.process(air.process(noise.next()));
    }
    return out;
}

Signal clockTick(double hz) {
    Signal out = decayingNoise(0.04, 0.004, BiquadFilter(FilterKind::BandPass, hz, 6.0), 31);
    const Signal body =
        decayingNoise(0.04, 0.008, BiquadFilter(FilterKind::BandPass, hz / 3.2, 4.0), 32);
    mixInto(out, body, 0.0, 0.8f);
    return out;
}

Signal cymbal(double seconds) {
    // Six square waves at unrelated pitches make the metal's clang; noise makes its wash.
    constexpr std::array<double, 6> kClangHz{205.3, 304.4, 369.6, 522.7, 540.0, 800.0};
    std::array<Oscillator, 6> clang{
        Oscillator(Waveform::Square),      Oscillator(Waveform::Square, 0.1),
        Oscillator(Waveform::Square, 0.2), Oscillator(Waveform::Square, 0.3),
        Oscillator(Waveform::Square, 0.4), Oscillator(Waveform::Square, 0.5)};
    NoiseSource noise(41);
    BiquadFilter metal(FilterKind::HighPass, 6500.0, 0.8);
    BiquadFilter washLow(FilterKind::HighPass, 3000.0, 0.7);
    BiquadFilter washHigh(FilterKind::LowPass, 12000.0, 0.7);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        double ring = 0.0;
        for (std::size_t k = 0; k < clang.size(); ++k)
            ring += clang[k].next(kClangHz[k] * 1.7);
        const double t = timeOf(i);
        const double level = std::exp(-t / (0.2 * seconds));
        const float wash = washHigh.process(washLow.process(noise.next()));
        out[i] = static_cast<float>(level) *
                 (0.12f * metal.process(static_cast<float>(ring)) + 0.8f * wash);
    }
    fadeIn(out, 0.001);
    fadeOut(out, 0.01);
    return out;
}

Signal boom(double seconds) {
    Oscillator skin(Waveform::Sine);
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double hz = 42.0 + 70.0 * std::exp(-t / 0.06);
        out[i] = static_cast<float>(std::exp(-t / (0.3 * seconds))) * skin.next(hz);
    }
    mixInto(out, decayingNoise(0.02, 0.004, BiquadFilter(FilterKind::LowPass, 1500.0, 0.7), 51),
            0.0, 0.3f);
    fadeOut(out, 0.01);
    return out;
}
