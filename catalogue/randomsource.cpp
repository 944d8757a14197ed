#include "catalogue/randomsource.h"

#include <algorithm>
#include <chrono>

int randomRow(RandomSource &random, int n) {
    const float r = random.next();
    if (n < 1)
        return 1;
    return std::clamp(int(r * float(n)) + 1, 1, n);
}

float ClockSeededRandom::next() {
    // generate_canonical may return exactly 1 for float on some libraries: fold it back.
    const float r = std::generate_canonical<float, 24>(m_engine);
    return r < 1.0f ? r : 0.0f;
}

void ClockSeededRandom::seedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    m_engine.seed(std::mt19937::result_type(ticks ^ (ticks >> 32)));
}
