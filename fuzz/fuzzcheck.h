#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise is a finding: say which one and abort, so that libFuzzer keeps the input.
inline void require(bool holds, const char *promise) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}
