#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/fraction.h"
#include "exercises/relation.h"

namespace talvera::exercises {

// What the answer boxes hold: a value, or the message the page shows instead of checking it.
struct ReadAnswer {
    core::Fraction value;
    // For a fraction: no common divisor above 1, and a minus on at most one term (3/-4 is in
    // lowest terms, -3/-4 is not). A decimal is always taken as it is written.
    bool lowestTerms = true;
    std::string message;  // empty when the boxes were read

    bool ok() const { return message.empty(); }
};

// The two boxes of a fraction, checked as the Operations page checks one fraction's terms. An
// empty denominator reads as 1, so that a whole result may be typed alone.
ReadAnswer readFractionBoxes(std::string_view numerator, std::string_view denominator);

// The decimal box, read as the decimal-to-fraction conversion reads its input: "," for the point,
// blanks dropped, the period in parentheses; a whole number reads too.
ReadAnswer readDecimalBox(std::string_view text);

// "<", "=" or ">", blanks around it ignored.
std::optional<Relation> readRelationBox(std::string_view text);

}  // namespace talvera::exercises
