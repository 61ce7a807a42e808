// A plucked string (Karplus-Strong): a burst of noise circulating in a delay one period long,
// softened on every pass. The bass of the commercial-break jingle.
#pragma once

#include "sound_synth/signal.h"

// brightness 0 to 1: how hard and near the bridge the string is plucked.
Signal pluckedString(double hz, double seconds, double brightness);
