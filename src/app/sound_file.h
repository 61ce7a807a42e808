// Playing the game's wave files, whose names are matched without regard to
// letter case ("btnCLICK" plays btnclick.wav).
#pragma once

#include <QString>

class SoundPlayer;

// True when the sound was played; never plays anything while sound is off.
bool PlaySoundFile(SoundPlayer& player, const QString& path, bool soundOn, bool toEnd);

// The existing file that path names when letter case is ignored in its
// file name, or path itself when there is none.
QString resolveFileNameCase(const QString& path);
