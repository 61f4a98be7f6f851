#include "exercises/seeded_random.h"

namespace talvera::exercises {

std::uint64_t SeededRandom::below(std::uint64_t bound) {
    // The draws below 2^64 mod bound are refused, so each remainder is left exactly as many
    // draws as every other.
    const std::uint64_t refused = (0 - bound) % bound;
    std::uint64_t draw = engine_();
    while (draw < refused) {
        draw = engine_();
    }
    return draw % bound;
}

int SeededRandom::between(int low, int high) {
    const auto span = static_cast<std::uint64_t>(static_cast<std::int64_t>(high) - low + 1);
    return static_cast<int>(low + static_cast<std::int64_t>(below(span)));
}

bool SeededRandom::chance(int numerator, int denominator) {
    return below(static_cast<std::uint64_t>(denominator)) < static_cast<std::uint64_t>(numerator);
}

}  // namespace talvera::exercises
