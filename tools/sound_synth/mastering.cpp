#include "sound_synth/mastering.h"

#include "sound_synth/stereo_mix.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kFadeInSeconds = 0.002;
constexpr double kFadeOutSeconds = 0.04;

// A gentle high-pass at a few hertz: takes out an offset without touching the lowest notes.
Signal withoutDc(const Signal& input) {
    constexpr double pole = 0.9995;
    Signal output(input.size());
    double previousIn = 0.0;
    double previousOut = 0.0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        previousOut = input[i] - previousIn + pole * previousOut;
        previousIn = input[i];
        output[i] = static_cast<float>(previousOut);
    }
    return output;
}

float peakOf(const Signal& signal) {
    float peak = 0.0f;
    for (const float sample : signal)
        peak = std::max(peak, std::abs(sample));
    return peak;
}
} // namespace

PcmSound master(const StereoMix& mix, double peak) {
    Signal left = withoutDc(mix.left());
    Signal right = withoutDc(mix.right());
    // A very short sound gets shorter fades, so that the fades do not eat it.
    const double seconds = timeOf(left.size());
    for (Signal* channel : {&left, &right}) {
        fadeIn(*channel, std::min(kFadeInSeconds, seconds / 10.0));
        fadeOut(*channel, std::min(kFadeOutSeconds, seconds / 5.0));
    }
    const float loudest = std::max(peakOf(left), peakOf(right));
    const double gain = loudest > 0.0f ? std::min(peak, 0.999) * 32767.0 / loudest : 0.0;

    PcmSound sound{kSampleRate, 2, {}};
    sound.samples.reserve(2 * left.size());
    for (std::size_t i = 0; i < left.size(); ++i) {
        for (const float sample : {left[i], right[i]})
            sound.samples.push_back(static_cast<std::int16_t>(std::lround(sample * gain)));
    }
    return sound;
}
