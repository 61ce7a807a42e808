#include "lifelines/audience_poll.h"

#include "platform/random_source.h"

std::array<int, 4> drawAudienceVotes(RandomSource& random, int rightAnswer)
{
    std::array<int, 4> votes{};
    random.randomize();
    for (int vote = 0; vote < PollVotes; ++vote) {
        int answer = random.random(5);
        if (answer == 0)
            answer = rightAnswer;
        if (answer >= 1 && answer <= 4)
            ++votes[answer - 1];
    }
    return votes;
}
