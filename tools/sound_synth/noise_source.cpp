#include "sound_synth/noise_source.h"

NoiseSource::NoiseSource(std::uint32_t seed)
    // xorshift never leaves the all-zero state, so a zero seed is moved off it.
    : m_state(seed != 0 ? seed : 0x9E3779B9u) {}

std::uint32_t NoiseSource::nextBits() {
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
}

double NoiseSource::between(double low, double high) {
    const double unit = static_cast<double>(nextBits() >> 8) / 16777216.0;
    return low + (high - low) * unit;
}

float NoiseSource::next() {
    return static_cast<float>(between(-1.0, 1.0));
}
