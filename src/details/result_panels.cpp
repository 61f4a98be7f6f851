#include "details/result_panels.h"

namespace talvera::details {

namespace {

void showInFront(ui::Control& panel, Spot spot) {
    panel.moveTo(spot.left, spot.top);
    panel.show();
    panel.bringToFront();
}

}  // namespace

void showFraction(ui::Control& panel, const FractionBoxes& boxes, Spot spot, const core::Decimal& n,
                  const core::Decimal& d) {
    showInFront(panel, spot);
    boxes.numerator.setText(n.toString());
    boxes.denominator.setText(d.toString());
}

bool showIfWhole(const ResultPanels& panels, Spot spot, const core::Fraction& result) {
    const auto whole = core::wholeValue(result);
    if (whole) {
        showInFront(panels.whole, spot);
        panels.wholeBox.setText(whole->toString());
    }
    return whole.has_value();
}

void clearResults(const RowControls& row) {
    for (ui::Control* box : row.clearedBoxes) {
        box->setText("");
    }
    for (ui::Control* line : row.hiddenLines) {
        line->hide();
    }
}

}  // namespace talvera::details
