#include "platform/clock_seeded_random.h"

#include <chrono>

void ClockSeededRandom::randomize()
{
    m_engine.seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

int ClockSeededRandom::random(int k)
{
    if (k <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, k - 1)(m_engine);
}
