#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/fraction.h"
#include "exercises/kind.h"
#include "exercises/seeded_random.h"

namespace talvera::exercises {

// A decimal a pupil is asked to write has at most this long a period and this many places.
inline constexpr std::size_t maxShownPeriod = 6;
inline constexpr std::size_t maxShownPlaces = 8;
// The decimal-to-fraction conversion takes the digits after the point less those before the
// period as a 16-bit value; a decimal to convert keeps that far inside.
inline constexpr std::int64_t maxPeriodDifference = 9999;

// The fractions of a new task of the kind at the level, drawn so that the task is worth doing;
// two draws may give the same task. Every term is between 1 and the level's bound, so every
// answer and every line of its working stays within 2 * 100 * 100.
std::vector<core::Fraction> drawFractions(Kind kind, Level level, SeededRandom& random);

}  // namespace talvera::exercises
