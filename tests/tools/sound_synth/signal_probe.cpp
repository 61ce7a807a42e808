#include "tools/sound_synth/signal_probe.h"

#include "sound_synth/biquad_filter.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

namespace {
std::size_t indexAt(const Signal& signal, double t) {
    return std::min(sampleCount(t), signal.size());
}
} // namespace

double rmsBetween(const Signal& signal, double from, double to) {
    const std::size_t first = indexAt(signal, from);
    const std::size_t last = indexAt(signal, to);
    if (last <= first)
        return 0.0;
    double sum = 0.0;
    for (std::size_t i = first; i < last; ++i)
        sum += double(signal[i]) * signal[i];
    return std::sqrt(sum / double(last - first));
}

double zeroCrossingHz(const Signal& signal, double from, double to) {
    std::optional<double> firstCrossing;
    double lastCrossing = 0.0;
    int crossings = 0;
    for (std::size_t i = indexAt(signal, from) + 1; i < indexAt(signal, to); ++i) {
        if (signal[i - 1] < 0.0f && signal[i] >= 0.0f) {
            // Where between the two samples the wave passed zero.
            const double share = signal[i - 1] / double(signal[i - 1] - signal[i]);
            const double at = double(i - 1) + share;
            if (!firstCrossing)
                firstCrossing = at;
            lastCrossing = at;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return (crossings - 1) * double(kSampleRate) / (lastCrossing - *firstCrossing);
}

double crossingRate(const Signal& signal, double from, double to) {
    int crossings = 0;
    const std::size_t first = indexAt(signal, from);
    const std::size_t last = indexAt(signal, to);
    for (std::size_t i = first + 1; i < last; ++i)
        crossings += (signal[i - 1] < 0.0f) != (signal[i] < 0.0f);
    return crossings * double(kSampleRate) / double(last - first);
}

namespace {
constexpr double kWindowSeconds = 0.1;

// How alike the signal is to itself moved on by lag samples, -1 to 1.
double likeness(const Signal& signal, std::size_t start, double lag) {
    const std::size_t length = sampleCount(kWindowSeconds);
    const auto shift = static_cast<std::size_t>(lag);
    double product = 0.0;
    double first = 0.0;
    double second = 0.0;
    for (std::size_t i = start; i < start + length && i + shift < signal.size(); ++i) {
        product += double(signal[i]) * signal[i + shift];
        first += double(signal[i]) * signal[i];
        second += double(signal[i + shift]) * signal[i + shift];
    }
    return first > 0.0 && second > 0.0 ? product / std::sqrt(first * second) : 0.0;
}

// The lag between low and high with the best likeness, placed between samples by fitting a
// parabola through the best one and its neighbours.
double bestLag(const Signal& signal, std::size_t start, double low, double high) {
    auto best = static_cast<std::size_t>(low);
    double bestValue = -2.0;
    for (auto lag = static_cast<std::size_t>(low); lag <= static_cast<std::size_t>(high); ++lag) {
        const double value = likeness(signal, start, double(lag));
        if (value > bestValue) {
            bestValue = value;
            best = lag;
        }
    }
    const double before = likeness(signal, start, double(best - 1));
    const double after = likeness(signal, start, double(best + 1));
    const double curve = before - 2.0 * bestValue + after;
    return curve < 0.0 ? double(best) + 0.5 * (before - after) / curve : double(best);
}
} // namespace

double periodicHz(const Signal& signal, double from, double roughHz) {
    constexpr int kPeriods = 20;
    const std::size_t start = sampleCount(from);
    const double rough = kSampleRate / roughHz;
    const double period = bestLag(signal, start, rough / 1.5, rough * 1.5);
    const double many =
        bestLag(signal, start, kPeriods * period - period / 3.0, kPeriods * period + period / 3.0);
    return kPeriods * double(kSampleRate) / many;
}

double shareAbove(const Signal& signal, double from, double to, double hz) {
    Signal high = signal;
    BiquadFilter filter(FilterKind::HighPass, hz, 0.707);
    for (float& sample : high)
        sample = filter.process(sample);
    const double all = rmsBetween(signal, from, to);
    return all > 0.0 ? rmsBetween(high, from, to) / all : 0.0;
}

Signal sineWave(double hz, double seconds) {
    Signal out(sampleCount(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = float(std::sin(2.0 * std::numbers::pi * hz * timeOf(i)));
    return out;
}
