#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "picture/exact.h"

namespace talvera::picture {

// The fractions of a task's boxes, read one by one so that a bad term spoils only its own
// fraction, and a plain sentence for each term that could not be read.
struct ReadFractions {
    std::vector<std::optional<Fraction>> fractions;
    std::vector<std::string> problems;

    bool complete() const;
};

// Reads count fractions from texts laid out numerator, denominator, numerator, ... as typed; a
// missing text reads as an empty box. Never throws.
ReadFractions readFractions(std::span<const std::string> texts, int count);

}  // namespace talvera::picture
