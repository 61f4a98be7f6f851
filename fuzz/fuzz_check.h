#pragma once

#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace talvera::fuzz {

// A fuzz target's check: when it fails, say what, and abort so that the fuzzer keeps the input.
inline void check(bool holds, std::string_view what) {
    if (!holds) {
        std::fprintf(stderr, "fuzz check failed: %.*s\n", static_cast<int>(what.size()),
                     what.data());
        std::abort();
    }
}

}  // namespace talvera::fuzz
