// Marks a stretch of time as one of the game's waits (see GameTimer).
#pragma once

#include "platform/game_timer.h"

class WaitScope {
public:
    WaitScope() { GameTimer::beginWait(); }
    ~WaitScope() { GameTimer::endWait(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;
};
