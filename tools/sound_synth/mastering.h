// The last step of every sound before it is written: no DC, the loudest moment at the chosen
// peak, and soft edges so that the game's player starts and stops it without a click.
#pragma once

#include "sound_synth/pcm_sound.h"

class StereoMix;

// peak: the loudest sample as a share of full scale, below 1.
PcmSound master(const StereoMix& mix, double peak);
