#pragma once

#include <optional>
#include <string>
#include <vector>

#include "exercises/mistake_id.h"
#include "exercises/task.h"

namespace talvera::exercises {

enum class Outcome : std::uint8_t {
    Right,           // the right value in lowest terms
    NotLowestTerms,  // the right value, not yet simplified: the pupil may answer again
    Mistake,         // a wrong value that a known mistake leads to
    Wrong,           // any other wrong value
    Invalid,         // a box the page refuses: nothing is counted
};

struct Verdict {
    Outcome outcome = Outcome::Wrong;
    std::optional<MistakeId> mistake;  // with Outcome::Mistake only
    std::string message;               // what the page says; the validation message if Invalid
    std::string hint;                  // empty where there is nothing to add
};

// Checks the texts of the answer boxes: numerator and denominator for a fraction, the one box of
// a decimal or of the relation sign. A box not given reads as empty. A mistake is named by its
// value, and only when the answer is not right: where the task makes a mistaken value equal the
// right one, the answer is right. When an answer fits two mistakes, the first checked is named.
Verdict check(const Task& task, const std::vector<std::string>& boxes);

}  // namespace talvera::exercises
