// A finished sound as the game's wav folder holds it: 16-bit samples, left and right
// interleaved.
#pragma once

#include <cstdint>
#include <vector>

struct PcmSound {
    int sampleRate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples;
};
