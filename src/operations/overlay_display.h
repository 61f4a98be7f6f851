#pragma once

#include "core/fraction.h"
#include "ui/control.h"

namespace talvera::operations {

// The two borderless panels laid over a task's result fraction.
struct OverlayPanels {
    ui::Control& whole;
    ui::Control& wholeBox;
    ui::Control& negative;
    ui::Control& negativeNumerator;
    ui::Control& negativeDenominator;
};

struct ResultView {
    ui::Control& numerator;
    ui::Control& denominator;
    OverlayPanels panels;
};

// How a task shows its reduced result n over d.
enum class ResultStyle {
    // Addition and subtraction: the result boxes always get n and d, signs as they fell; a whole
    // or negative result is also shown in its panel over them.
    AlwaysWrite,
    // Multiplication, division and simplification: a whole or negative result is shown only in
    // its panel; the result boxes get |n| and |d| of a positive fraction that is not whole.
    PositiveWrite,
};

// Shows a reduced result, and gives each box it writes the result in words for a screen reader.
// Throws CapacityError when a term is outside the remainder integer's range (or d is 0) at the
// whole-value test; what was written before stays.
void showResult(const ResultView& view, ResultStyle style, const core::Fraction& result);

// Empties the result boxes, says nothing of them any more, and hides both panels.
void clearResult(const ResultView& view);

}  // namespace talvera::operations
