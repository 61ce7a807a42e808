// Plays a wave file, in the background or to its end. A new sound stops the
// one still playing; no substitute sound is ever played.
#pragma once

#include <QString>

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // True when the sound was played (started, or played through).
    virtual bool play(const QString& path, bool toEnd) = 0;
};
