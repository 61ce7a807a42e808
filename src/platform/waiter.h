// The game's fixed waits: half a second after an answer, a sound played to
// its end, three seconds of the score board. Windows keep painting meanwhile.
#pragma once

class Waiter {
public:
    virtual ~Waiter() = default;
    virtual void wait(int milliseconds) = 0;
    // A wait the player may cut short with a click or a key: true when he
    // did. The click or key is used up by that and reaches nothing else.
    virtual bool skippableWait(int milliseconds) = 0;
};
