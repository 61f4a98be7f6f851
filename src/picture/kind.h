#pragma once

#include <cstdint>

namespace talvera::picture {

// The eight calculators of the Operations page: what a picture draws, and what the Exercises page
// asks.
enum class Kind : std::uint8_t {
    Addition,
    Subtraction,
    Multiplication,
    Division,
    Simplification,
    Comparison,
    ToDecimal,
    ToFraction,
};

}  // namespace talvera::picture
