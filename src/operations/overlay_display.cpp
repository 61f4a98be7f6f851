#include "operations/overlay_display.h"

namespace talvera::operations {

namespace {

void write(const ResultView& view, const core::Decimal& n, const core::Decimal& d) {
    view.numerator.setText(n.toString());
    view.denominator.setText(d.toString());
}

void showWhole(const OverlayPanels& panels, const core::Decimal& value) {
    panels.whole.show();
    panels.wholeBox.setText(value.toString());
}

}  // namespace

void showResult(const ResultView& view, ResultStyle style, const core::Fraction& result) {
    const auto& [n, d] = result;
    if (style == ResultStyle::AlwaysWrite) {
        write(view, n, d);
    }
    if (const auto whole = core::wholeValue(result)) {
        showWhole(view.panels, *whole);
        return;
    }
    if (core::signOf(result) < 0) {
        view.panels.negative.show();
        view.panels.negativeNumerator.setText(n.abs().toString());
        view.panels.negativeDenominator.setText(d.abs().toString());
        return;
    }
    if (style == ResultStyle::PositiveWrite) {
        // Both terms positive, or both negative: the fraction is positive either way.
        write(view, n.abs(), d.abs());
    }
}

void clearResult(const ResultView& view) {
    view.numerator.setText("");
    view.denominator.setText("");
    view.panels.whole.hide();
    view.panels.negative.hide();
}

}  // namespace talvera::operations
