// The sounds that carry the show along: the opening, the questions coming up, the clicks,
// the suspense, the commercial break and the phone call.
#pragma once

#include "sound_synth/stereo_mix.h"

StereoMix openingSting();      // begin
StereoMix firstQuestionGong(); // gong
StereoMix nextQuestionSting(); // change
StereoMix answerClick();       // btnclick
StereoMix suspenseSting();     // MILLION
StereoMix advertJingle();      // RECLAMA
StereoMix phoneRing();         // zvonok
