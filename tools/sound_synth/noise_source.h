// White noise from a fixed seed, so that every build writes the same sounds bit for bit.
#pragma once

#include <cstdint>

class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed);

    // Uniform in [-1, 1).
    float next();

    // Uniform in [low, high): for the chance parts of a sound (when a hand claps, which coin
    // rings).
    double between(double low, double high);

private:
    std::uint32_t nextBits();

    std::uint32_t m_state;
};
