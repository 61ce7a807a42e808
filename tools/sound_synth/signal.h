// Mono sample blocks: what every instrument of the sound synthesiser renders.
#pragma once

#include <cstddef>
#include <vector>

constexpr int kSampleRate = 44100;

using Signal = std::vector<float>;

// Number of samples that last the given time (never negative).
std::size_t sampleCount(double seconds);

// Time of a sample index.
inline double timeOf(std::size_t index) {
    return static_cast<double>(index) / kSampleRate;
}

// Adds a signal into another from time `at` on; what runs past the target's end is cut off.
void mixInto(Signal& target, const Signal& source, double at, float gain = 1.0f);

// Raised-cosine fades, so that a note cut to its length starts and stops without a click.
void fadeIn(Signal& signal, double seconds);
void fadeOut(Signal& signal, double seconds);
