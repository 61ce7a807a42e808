// The studio audience's opinion: fifty votes, each going to the right answer
// with a chance of two in five and to each answer with one in five besides.
#pragma once

#include <array>

class RandomSource;

inline constexpr int PollVotes = 50;

// Votes for A..D. The source is reseeded first. A vote drawn for an answer
// number outside 1..4 (a right answer out of range) goes to no answer.
std::array<int, 4> drawAudienceVotes(RandomSource& random, int rightAnswer);
