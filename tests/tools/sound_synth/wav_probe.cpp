#include "tools/sound_synth/wav_probe.h"

#include <fstream>
#include <iterator>

namespace {
std::uint32_t little(const std::string& bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + std::size_t(i)]);
    return value;
}
} // namespace

std::vector<double> WavProbe::channel(int index) const {
    std::vector<double> out;
    for (std::size_t i = std::size_t(index); i < samples.size(); i += std::size_t(channels))
        out.push_back(samples[i] / 32768.0);
    return out;
}

WavProbe probeWav(const std::filesystem::path& path) {
    WavProbe probe;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        probe.problem = "cannot open " + path.string();
        return probe;
    }
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) {
        probe.problem = "no RIFF/WAVE header";
        return probe;
    }
    if (little(bytes, 4, 4) != bytes.size() - 8) {
        probe.problem = "RIFF size does not match the file";
        return probe;
    }
    bool haveFormat = false;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id = bytes.substr(at, 4);
        const std::uint32_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size()) {
            probe.problem = "chunk \"" + id + "\" runs past the end of the file";
            return probe;
        }
        if (id == "fmt ") {
            if (size < 16) {
                probe.problem = "format chunk too short";
                return probe;
            }
            probe.format = int(little(bytes, body, 2));
            probe.channels = int(little(bytes, body + 2, 2));
            probe.sampleRate = int(little(bytes, body + 4, 4));
            probe.bitsPerSample = int(little(bytes, body + 14, 2));
            const std::uint32_t blockAlign = little(bytes, body + 12, 2);
            const std::uint32_t byteRate = little(bytes, body + 8, 4);
            if (probe.format != 1 || probe.bitsPerSample != 16) {
                probe.problem = "not 16-bit PCM";
                return probe;
            }
            if (blockAlign != std::uint32_t(probe.channels) * 2 ||
                byteRate != blockAlign * std::uint32_t(probe.sampleRate)) {
                probe.problem = "block size or byte rate inconsistent";
                return probe;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                probe.problem = "data before format";
                return probe;
            }
            if (size % std::uint32_t(2 * probe.channels) != 0) {
                probe.problem = "data is not whole sample frames";
                return probe;
            }
            for (std::size_t i = 0; i < size; i += 2)
                probe.samples.push_back(std::int16_t(little(bytes, body + i, 2)));
            return probe;
        }
        at = body + size + size % 2;
    }
    probe.problem = "no data chunk";
    return probe;
}
