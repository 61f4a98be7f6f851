#include "operations/overlay_display.h"

#include "kit/described.h"

namespace talvera::operations {

namespace {

// The result boxes hold n over d, signs as they fell; they read as the result's value.
void write(const ResultView& view, const core::Decimal& n, const core::Decimal& d,
           const std::string& words) {
    kit::writeDescribed(view.numerator, n.toString(), words);
    kit::writeDescribed(view.denominator, d.toString(), words);
}

}  // namespace

void showResult(const ResultView& view, ResultStyle style, const core::Fraction& result) {
    const auto& [n, d] = result;
    const std::string words = kit::resultWordsOf(result);
    if (style == ResultStyle::AlwaysWrite) {
        write(view, n, d, words);
    }
    if (const auto whole = core::wholeValue(result)) {
        view.panels.whole.show();
        kit::writeDescribed(view.panels.wholeBox, whole->toString(), words);
        return;
    }
    if (core::signOf(result) < 0) {
        view.panels.negative.show();
        kit::writeDescribed(view.panels.negativeNumerator, n.abs().toString(), words);
        kit::writeDescribed(view.panels.negativeDenominator, d.abs().toString(), words);
        return;
    }
    if (style == ResultStyle::PositiveWrite) {
        // Both terms positive, or both negative: the fraction is positive either way.
        write(view, n.abs(), d.abs(), words);
    }
}

void clearResult(const ResultView& view) {
    for (ui::Control* box : {&view.numerator, &view.denominator, &view.panels.wholeBox,
                             &view.panels.negativeNumerator, &view.panels.negativeDenominator}) {
        box->setDescription("");
    }
    view.numerator.setText("");
    view.denominator.setText("");
    view.panels.whole.hide();
    view.panels.negative.hide();
}

}  // namespace talvera::operations
