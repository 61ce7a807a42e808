// Plays the game's wave files through Qt Multimedia. Without an audio output
// nothing is played, and a sound played to its end is never waited for
// longer than the file lasts.
#pragma once

#include "platform/sound_player.h"

#include <memory>

class QSoundEffect;

class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const QString& path, bool toEnd) override;

private:
    std::unique_ptr<QSoundEffect> m_effect;
};
