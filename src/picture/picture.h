#pragma once

#include <string>
#include <vector>

#include "picture/kind.h"
#include "ui/drawing.h"

// The picture of the task a user last worked in, as data for a painter and words for a screen
// reader. It draws from the boxes' texts as typed, with exact arithmetic, and never throws.
namespace talvera::picture {

// Shows every stage, as a task worked out at one press does.
inline constexpr int allStages = 99;

struct Task {
    Kind kind = Kind::Addition;
    // The boxes as typed: N1, D1, N2, D2; N, D for a simplification and a conversion to a
    // decimal; the decimal alone for a conversion to a fraction. A missing one reads as empty.
    std::vector<std::string> texts;
    // How far the working has gone: 0 before "=" (the terms alone), the step reached on the
    // Details page, allStages once the result is shown.
    int stage = 0;
};

// The stage at which a kind's result is reached: + and - 5 (the terms, the factors, the re-cut
// bars, the unreduced result, the reduced one), × 2 (the product, reduced), ÷ 3 (the rewrite,
// the product and how often the divisor fits, reduced), every other kind 1.
int lastStage(Kind kind);

ui::Drawing draw(const Task& task);

}  // namespace talvera::picture
