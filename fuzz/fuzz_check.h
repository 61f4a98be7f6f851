#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace talvera::fuzz {

// A fuzz target's failed check: say what, and abort so that the fuzzer keeps the input.
[[noreturn]] inline void fail(std::string_view what) {
    std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()), what.data());
    std::abort();
}

inline void check(bool holds, std::string_view what) {
    if (!holds) {
        fail(what);
    }
}

}  // namespace talvera::fuzz
