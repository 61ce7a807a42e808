#include "sound_synth/recipe_tools.h"

#include "sound_synth/pitch.h"
#include "sound_synth/reverb.h"
#include "sound_synth/sustained_instruments.h"

#include <algorithm>

double stagePan(std::size_t k, std::size_t n, double width) {
    if (n < 2)
        return 0.0;
    return width * (2.0 * static_cast<double>(k) / static_cast<double>(n - 1) - 1.0);
}

void addBrassChord(StereoMix& mix, Notes notes, double at, double seconds, double gain,
                   double brightness) {
    std::size_t k = 0;
    for (const std::string_view note : notes) {
        const double pan = stagePan(k++, notes.size(), 0.6);
        // The second horn comes in a few milliseconds late, as real players do.
        for (const double cents : {-5.0, 5.0}) {
            const BrassNote horn{transpose(noteHz(note), cents / 100.0), seconds, brightness};
            mix.add(brass(horn), at + (cents > 0.0 ? 0.008 : 0.0), gain, pan + cents / 40.0);
        }
    }
}

void addStringsChord(StereoMix& mix, Notes notes, double at, double seconds, double attack,
                     double gain, double tremoloHz) {
    std::size_t k = 0;
    for (const std::string_view note : notes) {
        const double pan = stagePan(k++, notes.size(), 0.7);
        mix.add(strings(noteHz(note), seconds, attack, tremoloHz), at, gain, pan);
    }
}

Signal reversed(Signal signal) {
    std::reverse(signal.begin(), signal.end());
    return signal;
}

void addHall(StereoMix& mix, double wet, double roomSize) {
    Reverb(roomSize, 0.5).apply(mix, wet);
}
