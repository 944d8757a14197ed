#pragma once

#include <cstdint>
#include <random>

// The program's one uniform generator: values r with 0 <= r < 1, one per draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual float next() = 0;
    virtual void seedFromClock() = 0;
};

// A random row of n: the integer part of r * n, plus 1. Always within 1 to n, also when
// r * n rounds up to n in single precision. n < 1 gives 1 and still consumes a value.
int randomRow(RandomSource &random, int n);

class ClockSeededRandom final : public RandomSource {
public:
    float next() override;
    void seedFromClock() override;
    // The same values on every run: for simulations that must repeat.
    void seedWith(std::uint32_t seed) { m_engine.seed(seed); }

private:
    std::mt19937 m_engine;
};
