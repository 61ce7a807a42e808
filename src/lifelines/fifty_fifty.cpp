#include "lifelines/fifty_fifty.h"

#include "platform/random_source.h"

std::array<int, 2> drawFiftyFifty(RandomSource& random, int rightAnswer)
{
    random.randomize();
    std::array<int, 2> removed{};
    int last = rightAnswer;
    for (int count = 0; count < 2;) {
        const int drawn = random.random(4) + 1;
        if (drawn == rightAnswer || drawn == last)
            continue;
        removed[count++] = drawn;
        last = drawn;
    }
    return removed;
}
