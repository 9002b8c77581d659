#pragma once
#include <cstdio>
#include <cstdlib>

// A property a fuzz target checks on every input. A violation aborts, so
// libFuzzer records the input as a crash like any sanitizer finding.
inline void FuzzCheck(bool holds, const char* property) {
    if (holds) return;
    std::fprintf(stderr, "fuzz property violated: %s\n", property);
    std::abort();
}
