#pragma once

#include "platform/RandomNumbers.h"

#include <random>

// A generator in its default state, never seeded: every start of the program draws the same
// sequence.
class SystemRandomNumbers final : public RandomNumbers {
public:
    double next() override;

private:
    std::mt19937 m_engine;
};
