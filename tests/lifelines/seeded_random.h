// A random source for the tests that count how often things happen: seeded
// once, so a run draws the same long sequence every time.
#pragma once

#include "platform/random_source.h"

#include <random>

class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(unsigned seed) : m_engine(seed) {}
    void randomize() override {}
    int random(int k) override
    {
        return k <= 0 ? 0 : std::uniform_int_distribution<int>(0, k - 1)(m_engine);
    }

private:
    std::mt19937 m_engine;
};
