// The game's dice: reseeded from the clock before each use, then drawn.
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;
    // A uniform integer 0 .. k-1 (0 when k <= 0).
    virtual int random(int k) = 0;
};
