// Plays the game's wave files through Qt Multimedia. Without an audio output
// nothing is played, and a sound played to its end is never waited for
// longer than the file lasts. A sound played in the background counts as
// played when it is a wave file; it starts as soon as the event loop runs.
#pragma once

#include "platform/sound_player.h"

#include <QObject>

#include <memory>

class QSoundEffect;

class QtSoundPlayer : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    bool play(const QString& path, bool toEnd) override;

private:
    bool start(const QString& path);

    QObject m_context;  // ends the sounds not started yet with the player
    std::unique_ptr<QSoundEffect> m_effect;
    int m_playCount = 0;
};
