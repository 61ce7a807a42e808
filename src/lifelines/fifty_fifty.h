// The fifty-fifty lifeline's draw: two different wrong answers to take off
// the screen, each of the three wrong ones equally likely to be the one left
// beside the right answer.
#pragma once

#include <array>

class RandomSource;

// The answers to blank (1..4 for A..D), in the order they were drawn. The
// source is reseeded first.
std::array<int, 2> drawFiftyFifty(RandomSource& random, int rightAnswer);
