// Random numbers reseeded from the clock before each use.
#pragma once

#include "platform/random_source.h"

#include <random>

class ClockSeededRandom : public RandomSource {
public:
    void randomize() override;
    int random(int k) override;

private:
    std::mt19937 m_engine;
};
