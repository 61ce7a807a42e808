// Writes a finished sound as a RIFF/WAVE file of 16-bit PCM samples, the form the game's
// player reads from its wav folder.
#pragma once

#include "sound_synth/pcm_sound.h"

#include <filesystem>

// Throws std::runtime_error naming the file when it cannot be written completely.
void writeWav(const std::filesystem::path& path, const PcmSound& sound);
