// The sounds of the verdicts: praise for a right answer, the milestones and the banknotes,
// the wrong answer and the end of the thinking time.
#pragma once

#include "sound_synth/stereo_mix.h"

StereoMix applause();        // appl
StereoMix yesChord();        // yes
StereoMix guessedArpeggio(); // ugadal
StereoMix winnerFanfare();   // winner
StereoMix milestoneChime();  // summa
StereoMix losingTrombone();  // false
StereoMix wrongBuzzer();     // oshibka
StereoMix timeUpClock();     // stoptime
StereoMix banknoteCoins();   // true
