// The audience's fifty votes lean towards the right answer: two in five go
// to it, one in five to each answer besides.
#include "lifelines/audience_poll.h"
#include "lifelines/seeded_random.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(AudiencePoll, ADrawnZeroIsAVoteForTheRightAnswer)
{
    ScriptedRandom random;
    random.draws = {0, 1, 2, 3, 4, 0};
    // The rest of the fifty draws come out 0 as well: 44 more for C.
    const auto votes = drawAudienceVotes(random, 3);
    EXPECT_EQ(votes, (std::array<int, 4>{1, 1, 47, 1}));
    EXPECT_EQ(random.ranges, std::vector<int>(50, 5));
    EXPECT_EQ(random.reseeds, 1);
}

TEST(AudiencePoll, TheRightAnswerGetsFortyPercentOnAverageAndTheOthersTwenty)
{
    SeededRandom random(8122026);
    constexpr int Polls = 20000;
    std::array<double, 4> total{};
    for (int poll = 0; poll < Polls; ++poll) {
        const auto votes = drawAudienceVotes(random, 2);
        ASSERT_EQ(std::accumulate(votes.begin(), votes.end(), 0), PollVotes);
        for (int i = 0; i < 4; ++i)
            total[i] += votes[i];
    }
    EXPECT_NEAR(total[1] / Polls, 20.0, 0.2);
    for (int i : {0, 2, 3})
        EXPECT_NEAR(total[i] / Polls, 10.0, 0.2);
    // After fifty-fifty left B and D, the right one holds two thirds of the pie.
    EXPECT_NEAR(total[1] / (total[1] + total[3]), 2 / 3.0, 0.01);
}

TEST(AudiencePoll, ARightAnswerOutOfRangeLosesItsVotesInsteadOfCountingThemAnywhere)
{
    ScriptedRandom random;
    random.draws = {1, 2};
    const auto votes = drawAudienceVotes(random, 7);
    EXPECT_EQ(votes, (std::array<int, 4>{1, 1, 0, 0}));
}

} // namespace
