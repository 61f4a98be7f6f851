#include "details/sum_row.h"

#include <string>

#include "details/details_texts.h"
#include "kit/checked_divisor.h"
#include "kit/messages.h"
#include "kit/term_reader.h"

namespace talvera::details {

namespace rules {

namespace {
// The reduced panel stands 60 twips left of where the negative and whole panels stand.
constexpr PanelSpots sumSpots{{7500, 360}, {7560, 360}, {7560, 360}};
}  // namespace

const SumRules addition{
    .combine = [](const core::Fraction& a, const core::Fraction& b) { return a + b; },
    .join = [](const core::Decimal& first, const core::Decimal& second) { return first + second; },
    .spots = sumSpots,
};

const SumRules subtraction{
    .combine = [](const core::Fraction& a, const core::Fraction& b) { return a - b; },
    .join = [](const core::Decimal& first, const core::Decimal& second) { return first - second; },
    .spots = sumSpots,
};

}  // namespace rules

namespace {

std::string inParentheses(const core::Decimal& value) {
    return "( " + value.toString() + " )";
}

}  // namespace

SumRow::SumRow(SumRowControls controls, const SumRules& rules, const kit::Messenger& messenger)
    : controls_(std::move(controls)),
      rules_(rules),
      messenger_(messenger),
      sequence_(controls_.row, messenger,
                {[this] { return showMultiple(); }, [this] { return showFactors(); },
                 [this] { return expand(); }, [this] { return join(); },
                 [this] { return showResult(); }}) {}

// Validates, works the whole result out into the store, and shows the m.m.c. line.
StageEnd SumRow::showMultiple() {
    const auto terms = kit::readTerms(controls_.row.terms, texts::sum, messenger_);
    if (!terms) {
        return StageEnd::Stopped;
    }
    const core::Decimal& a = (*terms)[0];
    const core::Decimal& b = (*terms)[1];
    const core::Decimal& c = (*terms)[2];
    const core::Decimal& d = (*terms)[3];
    const auto [u, w] = rules_.combine({a, b}, {c, d});
    const core::Decimal g = kit::checkedDivisor(messenger_, u, w);
    store_ = {a, b, c, d, u / g, w / g, core::leastCommonMultiple(b, d)};

    controls_.multipleLine.setCaption("( " + b.toString() + " , " + d.toString() +
                                      " ) = " + store_.m.toString());
    controls_.multipleCaption.show();
    controls_.multipleLine.show();
    return StageEnd::Done;
}

StageEnd SumRow::showFactors() const {
    controls_.firstFactor.setCaption(inParentheses(store_.m / store_.b));
    controls_.secondFactor.setCaption(inParentheses(store_.m / store_.d));
    controls_.firstFactor.show();
    controls_.secondFactor.show();
    return StageEnd::Done;
}

// Both fractions over the common denominator; each product comes first, then the exact division.
StageEnd SumRow::expand() const {
    const SumStore& s = store_;
    controls_.firstExpanded.numerator.setText((s.a * s.m / s.b).toString());
    controls_.secondExpanded.numerator.setText((s.c * s.m / s.d).toString());
    controls_.firstExpanded.denominator.setText(s.m.toString());
    controls_.secondExpanded.denominator.setText(s.m.toString());
    return StageEnd::Done;
}

// Reads the expanded numerators back from their boxes, so an emptied box counts as 0.
StageEnd SumRow::join() const {
    const core::Decimal first = kit::leadingValue(controls_.firstExpanded.numerator.text());
    const core::Decimal second = kit::leadingValue(controls_.secondExpanded.numerator.text());
    controls_.combined.numerator.setText(rules_.join(first, second).toString());
    controls_.combined.denominator.setText(store_.m.toString());
    return StageEnd::Done;
}

// The panels follow the fraction in the step-4 boxes; whether the result is whole follows the
// stored result, which an edit in mid-sequence does not change.
StageEnd SumRow::showResult() const {
    const std::string& numeratorText = controls_.combined.numerator.text();
    const std::string& denominatorText = controls_.combined.denominator.text();
    const core::Decimal x = kit::leadingValue(numeratorText);
    const core::Decimal y = kit::leadingValue(denominatorText);
    const core::Decimal h = kit::checkedDivisor(messenger_, numeratorText, denominatorText);

    const core::Decimal xh = x / h;
    const core::Decimal yh = y / h;
    const bool reduces = xh != x && yh != y;
    const bool unchanged = xh == x && yh == y;
    const int sign = core::signOf({x, y});
    const ResultPanels& panels = controls_.row.panels;
    if (reduces && sign > 0) {
        showFraction(panels.reduced, panels.reducedBoxes, rules_.spots.reduced, xh, yh);
    }
    // A negative fraction shows its magnitude under the panel's own "-", reduced or not.
    if ((reduces || unchanged) && sign < 0) {
        showFraction(panels.negative, panels.negativeBoxes, rules_.spots.negative, x.abs() / h, yh);
    }
    return showIfWhole(panels, rules_.spots.whole, {store_.r, store_.s}) ? StageEnd::WholeResult
                                                                         : StageEnd::Done;
}

}  // namespace talvera::details
