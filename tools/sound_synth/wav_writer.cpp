#include "sound_synth/wav_writer.h"

#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {
// RIFF numbers are little-endian whatever machine builds the game.
void put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}
} // namespace

void writeWav(const std::filesystem::path& path, const PcmSound& sound) {
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(sound.samples.size() * bytesPerSample);
    const auto channels = static_cast<std::uint32_t>(sound.channels);
    const auto rate = static_cast<std::uint32_t>(sound.sampleRate);

    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    put(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2); // PCM
    put(out, channels, 2);
    put(out, rate, 4);
    put(out, rate * channels * bytesPerSample, 4);
    put(out, channels * bytesPerSample, 2);
    put(out, 8 * bytesPerSample, 2);
    out += "data";
    put(out, dataBytes, 4);
    for (const std::int16_t sample : sound.samples)
        put(out, static_cast<std::uint16_t>(sample), 2);

    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(out.data(), static_cast<std::streamsize>(out.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}
