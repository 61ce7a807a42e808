#include "sound_synth/game_sounds.h"

#include "sound_synth/show_sounds.h"
#include "sound_synth/verdict_sounds.h"

#include <array>

namespace {
constexpr double kFull = 0.89;  // -1 dB: the big moments
constexpr double kMedium = 0.7; // what accompanies the player's own actions
constexpr double kSoft = 0.45;  // the click of every answer, and the dense buzzer

constexpr std::array<GameSound, 16> kGameSounds{{
    {"begin", openingSting, kFull},
    {"gong", firstQuestionGong, kFull},
    {"change", nextQuestionSting, kMedium},
    {"btnclick", answerClick, kSoft},
    {"MILLION", suspenseSting, kFull},
    {"RECLAMA", advertJingle, kFull},
    {"appl", applause, kMedium},
    {"yes", yesChord, kFull},
    {"ugadal", guessedArpeggio, kFull},
    {"winner", winnerFanfare, kFull},
    {"summa", milestoneChime, kFull},
    {"false", losingTrombone, kMedium},
    {"oshibka", wrongBuzzer, kSoft},
    {"stoptime", timeUpClock, kFull},
    {"true", banknoteCoins, kMedium},
    {"zvonok", phoneRing, kMedium},
}};
} // namespace

std::span<const GameSound> gameSounds() {
    return kGameSounds;
}
