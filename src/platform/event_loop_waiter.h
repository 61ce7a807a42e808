// The real wait: a nested event loop that keeps the windows painting but
// takes no input and runs none of the game's timer ticks until it is over.
// A skippable wait takes the input itself: a click or a key ends it, and no
// input reaches the windows meanwhile.
#pragma once

#include "platform/waiter.h"

class EventLoopWaiter : public Waiter {
public:
    void wait(int milliseconds) override;
    bool skippableWait(int milliseconds) override;
};
