#include "details/result_panels.h"

#include "kit/described.h"

namespace talvera::details {

namespace {

void showInFront(ui::Control& panel, Spot spot) {
    panel.moveTo(spot.left, spot.top);
    panel.show();
    panel.bringToFront();
}

}  // namespace

void showFraction(ui::Control& panel, const FractionBoxes& boxes, Spot spot, const core::Decimal& n,
                  const core::Decimal& d, const std::string& words) {
    showInFront(panel, spot);
    kit::writeDescribed(boxes.numerator, n.toString(), words);
    kit::writeDescribed(boxes.denominator, d.toString(), words);
}

std::optional<core::Decimal> showIfWhole(const ResultPanels& panels, Spot spot,
                                         const core::Fraction& result) {
    const auto whole = core::wholeValue(result);
    if (whole) {
        showInFront(panels.whole, spot);
        kit::writeDescribed(panels.wholeBox, whole->toString(),
                            kit::wordsOf({*whole, core::Decimal::fromInteger(1)}));
    }
    return whole;
}

void describeFraction(const FractionBoxes& boxes, const std::string& words) {
    boxes.numerator.setDescription(words);
    boxes.denominator.setDescription(words);
}

void clearResults(const RowControls& row) {
    for (ui::Control* box : row.clearedBoxes) {
        box->setDescription("");
        box->setText("");
    }
    describeFraction(row.panels.negativeBoxes, "");
    for (ui::Control* line : row.hiddenLines) {
        line->setDescription("");
        line->hide();
    }
}

}  // namespace talvera::details
