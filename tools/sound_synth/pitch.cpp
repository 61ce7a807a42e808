#include "sound_synth/pitch.h"

#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {
// Semitones of the natural notes C to B above C.
constexpr std::array<int, 7> kNaturals{9, 11, 0, 2, 4, 5, 7}; // A B C D E F G

int letterSemitone(char letter) {
    if (letter < 'A' || letter > 'G')
        return -1;
    return kNaturals[static_cast<std::size_t>(letter - 'A')];
}
} // namespace

double transpose(double hz, double semitones) {
    return hz * std::pow(2.0, semitones / 12.0);
}

double noteHz(std::string_view name) {
    const auto invalid = [&] {
        return std::invalid_argument("no note: \"" + std::string(name) + "\"");
    };
    if (name.size() < 2 || name.size() > 3)
        throw invalid();
    int semitone = letterSemitone(name.front());
    if (semitone < 0)
        throw invalid();
    if (name.size() == 3) {
        if (name[1] == '#')
            ++semitone;
        else if (name[1] == 'b')
            --semitone;
        else
            throw invalid();
    }
    const char octave = name.back();
    if (octave < '0' || octave > '8')
        throw invalid();
    const int midi = 12 * (octave - '0' + 1) + semitone;
    return transpose(440.0, midi - 69);
}
