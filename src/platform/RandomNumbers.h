#pragma once

// A source of pseudo-random numbers.
class RandomNumbers {
public:
    virtual ~RandomNumbers() = default;

    // The next number, at least 0 and below 1.
    virtual double next() = 0;
};
