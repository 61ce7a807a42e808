#include "sound_synth/wav_writer.h"

#include "tools/sound_synth/wav_probe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace {
std::filesystem::path scratchFile(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("zambrel_sounds_" + std::to_string(getpid()) + "_" + name);
}

const PcmSound kSound{22050, 2, {0, 1, -1, 32767, -32768, 1234, -2, 0}};
} // namespace

TEST(WavWriter, WrittenFileReadsBackAsThePcmSound) {
    const auto path = scratchFile("back.wav");
    writeWav(path, kSound);
    const WavProbe probe = probeWav(path);
    std::filesystem::remove(path);
    ASSERT_EQ(probe.problem, "");
    EXPECT_EQ(probe.channels, 2);
    EXPECT_EQ(probe.sampleRate, 22050);
    EXPECT_EQ(probe.samples, kSound.samples);
    EXPECT_DOUBLE_EQ(probe.seconds(), 4.0 / 22050);
}

// Header of the canonical 44 bytes, numbers little-endian, samples two's complement.
TEST(WavWriter, BytesFollowTheCanonicalLayout) {
    const auto path = scratchFile("bytes.wav");
    writeWav(path, kSound);
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::filesystem::remove(path);
    ASSERT_EQ(bytes.size(), 44u + 16u);
    EXPECT_EQ(bytes.substr(36, 4), "data");
    EXPECT_EQ(bytes[40], char(16));
    // -2 as the seventh sample.
    EXPECT_EQ(static_cast<unsigned char>(bytes[44 + 12]), 0xFE);
    EXPECT_EQ(static_cast<unsigned char>(bytes[44 + 13]), 0xFF);
}

// A folder that cannot be written must fail the build, not leave a silent game.
TEST(WavWriter, UnwritablePlaceIsReported) {
    EXPECT_THROW(writeWav("/nonexistent-folder-of-zambrel/x.wav", kSound), std::runtime_error);
}
