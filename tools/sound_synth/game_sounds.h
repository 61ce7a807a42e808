// The sixteen sounds of the game under the names it plays them by, each with its recipe.
#pragma once

#include "sound_synth/stereo_mix.h"

#include <span>
#include <string_view>

struct GameSound {
    std::string_view name; // the file in the wav folder is this name plus ".wav"
    StereoMix (*render)();
    double peak; // loudest moment as a share of full scale: a click stays below a fanfare
};

std::span<const GameSound> gameSounds();
