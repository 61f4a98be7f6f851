#pragma once

#include <optional>
#include <string>

#include "core/fraction.h"
#include "details/row_controls.h"

namespace talvera::details {

// Where a row shows each of its result panels; they are designed elsewhere and moved when shown.
struct PanelSpots {
    Spot reduced;
    Spot negative;
    Spot whole;
};

// Moves the panel to its spot, shows it in front of the others and writes n over d into it; the
// boxes read as the words given, the value the panel stands for.
void showFraction(ui::Control& panel, const FractionBoxes& boxes, Spot spot, const core::Decimal& n,
                  const core::Decimal& d, const std::string& words);

// The whole-number test of a result n over d: when it is a whole number, shows the whole panel in
// front of the others with that number and returns it. The divisibility test runs on remainder
// integers, so n or d beyond 32 bits, or d = 0, is a CapacityError.
std::optional<core::Decimal> showIfWhole(const ResultPanels& panels, Spot spot,
                                         const core::Fraction& result);

// What the two boxes of a fraction read as, for a screen reader.
void describeFraction(const FractionBoxes& boxes, const std::string& words);

// Clear results: empties the row's result boxes and what they read as, then hides its working
// lines and panels. Terms, step buttons, the step-mode box and the working store stay as they are.
void clearResults(const RowControls& row);

}  // namespace talvera::details
