// Writes of the game's files cut short in a child process: at a chosen write
// point (the child ends itself there, as a crash would end the game), or by
// SIGKILL after a chosen delay. The child runs under an alarm, so a write
// that hangs fails the test instead of stopping it.
#pragma once

#include <chrono>
#include <functional>

enum class CutOutcome {
    Cut,       // the child ended at the write point
    Completed, // the write ended before the write point came
    Killed,    // SIGKILL ended the child
    Failed,    // the write threw, crashed or ran out of time
};

// Runs write in a child that ends itself at write point `point` (from 1).
CutOutcome runCutAt(int point, const std::function<void()>& write);

// Runs writes in a child, over and over, and kills it after `delay`.
CutOutcome killAfter(std::chrono::microseconds delay, const std::function<void()>& writes);

// Runs write in a child cut at every one of its write points in turn, then
// once in full; check sees the files after each run, told whether the run
// was cut. The number of runs cut.
int cutAtEveryPoint(const std::function<void()>& write, const std::function<void(bool cut)>& check);
