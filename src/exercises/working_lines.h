#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exercises/task.h"

namespace talvera::exercises {

enum class LineKind : std::uint8_t {
    CommonMultiple,  // "m.m.c. ( 4 , 6 ) = 12"
    Factors,         // "Factores: 3 e 2"
    Expanded,        // "9/12 + 2/12"
    Inverted,        // "2/3 x 5/4"
    Unreduced,       // "11/12"
    Reduced,         // the answer in lowest terms
};

struct WorkingLine {
    LineKind kind = LineKind::Reduced;
    std::string text;
    friend bool operator==(const WorkingLine&, const WorkingLine&) = default;
};

// The lines the Details page shows for + and - (m.m.c., factors, expanded, unreduced, reduced),
// x (unreduced product, reduced) and : (the inverted rewrite, unreduced product, reduced); none
// for the other kinds.
std::vector<WorkingLine> workingLines(const Task& task);

// The sign the page writes between two fractions: "+", "-", "x", ":".
std::string operationSign(Kind kind);

}  // namespace talvera::exercises
