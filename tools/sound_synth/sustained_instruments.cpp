#include "sound_synth/sustained_instruments.h"

#include "sound_synth/biquad_filter.h"
#include "sound_synth/envelope.h"
#include "sound_synth/oscillator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The filters still ring a little when the envelope has closed; cut them off softly.
constexpr double kEndFadeSeconds = 0.01;

double vibratoFactor(double t, double depth, double rateHz) {
    // The player holds the note straight first and lets it sing after a quarter second.
    const double onset = std::clamp((t - 0.25) / 0.3, 0.0, 1.0);
    return 1.0 + depth * onset * std::sin(kTwoPi * rateHz * t);
}
} // namespace

Signal brass(const BrassNote& note) {
    const Envelope envelope(0.045, 0.12, 0.78, 0.15);
    const double maxIndex = 4.5 * note.brightness;
    BiquadFilter soften(FilterKind::LowPass, std::min(9000.0, 12.0 * note.hz), 0.7);
    Signal out(sampleCount(envelope.length(note.seconds)));
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double level = envelope.level(t, note.seconds);
        double hz = note.hz;
        if (note.slideTo > 0.0)
            hz *= std::pow(note.slideTo / note.hz, std::min(t / note.seconds, 1.0));
        hz *= (1.0 - 0.02 * std::exp(-t / 0.025)) * vibratoFactor(t, note.vibrato, 5.2);
        phase += hz / kSampleRate;
        phase -= std::floor(phase);
        // Carrier and modulator at the same pitch give all harmonics, as a horn has.
        const double index = maxIndex * level;
        const double value = level * std::sin(kTwoPi * phase + index * std::sin(kTwoPi * phase));
        out[i] = soften.process(static_cast<float>(value));
    }
    fadeOut(out, kEndFadeSeconds);
    return out;
}

Signal mutedTrombone(const BrassNote& note, double wahsPerSecond) {
    Signal out = brass(note);
    BiquadFilter mute(FilterKind::LowPass, 300.0, 4.0);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double open = 0.5 - 0.5 * std::cos(kTwoPi * wahsPerSecond * timeOf(i));
        if (i % 16 == 0)
            mute.tune(250.0 + 1500.0 * open, 4.0);
        out[i] = mute.process(out[i]);
    }
    // The mute's resonance still rings when the note is over.
    fadeOut(out, kEndFadeSeconds);
    return out;
}

Signal strings(double hz, double seconds, double attack, double tremoloHz) {
    constexpr std::array<double, 3> kDetuneCents{-8.0, 0.0, 7.0};
    const Envelope envelope(attack, 0.2, 0.9, 0.35);
    std::array<Oscillator, 3> bows{Oscillator(Waveform::Saw, 0.0), Oscillator(Waveform::Saw, 0.33),
                                   Oscillator(Waveform::Saw, 0.71)};
    BiquadFilter body(FilterKind::LowPass, std::min(2200.0 + 2.0 * hz, 8000.0), 0.8);
    Signal out(sampleCount(envelope.length(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double pitch = hz * vibratoFactor(t, 0.003, 5.5);
        double value = 0.0;
        for (std::size_t b = 0; b < bows.size(); ++b)
            value += bows[b].next(pitch * std::pow(2.0, kDetuneCents[b] / 1200.0));
        double level = envelope.level(t, seconds) / bows.size();
        if (tremoloHz > 0.0)
            level *= 0.6 + 0.4 * std::sin(kTwoPi * tremoloHz * t);
        out[i] = body.process(static_cast<float>(level * value));
    }
    fadeOut(out, kEndFadeSeconds);
    return out;
}

Signal buzzer(double hz, double seconds) {
    const Envelope envelope(0.006, 0.05, 0.85, 0.04);
    Oscillator first(Waveform::Square);
    Oscillator second(Waveform::Square, 0.25);
    Oscillator growl(Waveform::Saw);
    BiquadFilter tone(FilterKind::LowPass, 2000.0, 1.2);
    Signal out(sampleCount(envelope.length(seconds)));
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double value = first.next(hz) + second.next(hz * 1.013) + 0.6 * growl.next(hz / 2.0);
        const double level = envelope.level(timeOf(i), seconds) / 2.6;
        out[i] = tone.process(static_cast<float>(level * value));
    }
    fadeOut(out, kEndFadeSeconds);
    return out;
}
