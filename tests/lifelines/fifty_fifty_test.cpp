// Fifty-fifty takes two different wrong answers away and never the right one.
#include "lifelines/fifty_fifty.h"
#include "lifelines/seeded_random.h"
#include "support/fake_services.h"

#include <gtest/gtest.h>

#include <map>

namespace {

TEST(FiftyFifty, DrawsThatHitTheRightAnswerOrTheFirstRemovedAreDrawnAgain)
{
    ScriptedRandom random;
    // D is right: D, then B, then B again and D again before A.
    random.draws = {3, 1, 1, 3, 0};
    EXPECT_EQ(drawFiftyFifty(random, 4), (std::array<int, 2>{2, 1}));
    EXPECT_EQ(random.reseeds, 1);
    EXPECT_TRUE(random.draws.empty());
    for (int range : random.ranges)
        EXPECT_EQ(range, 4);
}

TEST(FiftyFifty, OverManyGamesEachWrongAnswerIsTheOneLeftAThirdOfTheTime)
{
    SeededRandom random(20261208);
    constexpr int Games = 30000;
    for (int right = 1; right <= 4; ++right) {
        std::map<int, int> left;
        for (int game = 0; game < Games; ++game) {
            const auto removed = drawFiftyFifty(random, right);
            ASSERT_NE(removed[0], removed[1]);
            ASSERT_NE(removed[0], right);
            ASSERT_NE(removed[1], right);
            ++left[10 - right - removed[0] - removed[1]];
        }
        ASSERT_EQ(left.size(), 3u) << "right answer " << right;
        for (const auto& [answer, count] : left)
            EXPECT_NEAR(count / double(Games), 1 / 3.0, 0.02) << "answer " << answer;
    }
}

} // namespace
