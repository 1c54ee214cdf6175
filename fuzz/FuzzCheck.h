#pragma once
// What a fuzz target does when an invariant of its input breaks: say which, and stop, so that
// libFuzzer keeps the input.

#include <cstdio>
#include <cstdlib>

namespace fuzz {

inline void check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace fuzz
