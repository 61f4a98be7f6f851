#pragma once

#include "core/fraction.h"
#include "details/row_controls.h"

namespace talvera::details {

// Where a row shows each of its result panels; they are designed elsewhere and moved when shown.
struct PanelSpots {
    Spot reduced;
    Spot negative;
    Spot whole;
};

// Moves the panel to its spot, shows it in front of the others and writes n over d into it.
void showFraction(ui::Control& panel, const FractionBoxes& boxes, Spot spot, const core::Decimal& n,
                  const core::Decimal& d);

// The whole-number test of a result n over d: when it is a whole number, shows the whole panel in
// front of the others with that number and returns true. The divisibility test runs on remainder
// integers, so n or d beyond 32 bits, or d = 0, is a CapacityError.
bool showIfWhole(const ResultPanels& panels, Spot spot, const core::Fraction& result);

// Clear results: empties the row's result boxes, then hides its working lines and panels. Terms,
// step buttons, the step-mode box and the working store stay as they are.
void clearResults(const RowControls& row);

}  // namespace talvera::details
