// A strict reader of RIFF/WAVE files for the tests: it checks the file against the format on
// its own, without the writer's help, and says what is wrong.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct WavProbe {
    std::string problem; // empty when the file is a sound the game can play
    int format = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    std::vector<std::int16_t> samples; // interleaved

    double seconds() const {
        return channels > 0 && sampleRate > 0 ? double(samples.size()) / channels / sampleRate
                                              : 0.0;
    }
    // One channel's samples as shares of full scale.
    std::vector<double> channel(int index) const;
};

WavProbe probeWav(const std::filesystem::path& path);
