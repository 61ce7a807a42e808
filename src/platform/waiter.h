// The game's fixed waits: half a second after an answer, a sound played to
// its end, three seconds of the score board. Windows keep painting meanwhile.
#pragma once

class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int milliseconds) = 0;
};
