#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/fraction.h"
#include "exercises/kind.h"
#include "exercises/relation.h"

namespace talvera::exercises {

// The right answer of a task.
struct Answer {
    // In lowest terms with the sign on the numerator; for a decimal answer, the value it writes.
    // Unused by the comparison.
    core::Fraction value;
    Relation relation = Relation::Equal;  // the comparison's only
    // As the solutions print it: "3/4", "-1/4", "2", "0.1(6)", "<".
    std::string text;
};

struct Task {
    Kind kind = Kind::Addition;
    Level level = Level::One;
    // Two fractions for + - x : and the comparison, one for the others; a decimal to convert is
    // held as its fraction in lowest terms.
    std::vector<core::Fraction> fractions;
    // What the page shows: numerators and denominators in box order, or the decimal.
    std::vector<std::string> terms;
    Answer answer;
};

// The decimals of tasks and answers have at most this many digits after the point.
inline constexpr std::size_t maxDecimalPlaces = 64;

// A task with its terms and its answer worked out. Throws CapacityError where the fractions are
// beyond the program's numbers or a decimal beyond maxDecimalPlaces.
Task makeTask(Kind kind, Level level, std::vector<core::Fraction> fractions);

// The sum, difference, product or quotient as the pages form it, before any reduction; for the
// other kinds, the one fraction.
core::Fraction unreducedResult(const Task& task);

}  // namespace talvera::exercises
