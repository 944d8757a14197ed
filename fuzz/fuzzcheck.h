#pragma once

#include "catalogue/loader.h"

#include <cstdio>
#include <cstdlib>

// A broken promise is a finding: say which one and abort, so that libFuzzer keeps the input.
inline void require(bool holds, const char *promise) {
    if (holds)
        return;
    std::fprintf(stderr, "Broken promise: %s\n", promise);
    std::abort();
}

// Loads without a word: the targets look at what was loaded, not at what was said.
class Silent final : public LoadDiagnostics {
public:
    void message(int, const Message &) override {}
    void warning(int, const QString &) override {}
};
