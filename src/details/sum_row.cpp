#include "details/sum_row.h"

#include <string>

#include "details/details_texts.h"
#include "details/row_words.h"
#include "kit/checked_divisor.h"
#include "kit/described.h"
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
    .picture = picture::Kind::Addition,
};

const SumRules subtraction{
    .combine = [](const core::Fraction& a, const core::Fraction& b) { return a - b; },
    .join = [](const core::Decimal& first, const core::Decimal& second) { return first - second; },
    .spots = sumSpots,
    .operation = words::Operation::Subtraction,
    .picture = picture::Kind::Subtraction,
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
      sequence_(
          controls_.row, messenger,
          {[this] { return showMultiple(); }, [this] { return showFactors(); },
           [this] { return expand(); }, [this] { return join(); }, [this] { return showResult(); }},
          {.lastLine = [this] { return line_; },
           .summary = [this] { return summary(); },
           .picture = rules.picture}) {}

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

    line_ = said::multiple(b, d, store_.m);
    controls_.multipleLine.setDescription(line_);
    controls_.multipleLine.setCaption("( " + b.toString() + " , " + d.toString() +
                                      " ) = " + store_.m.toString());
    controls_.multipleCaption.show();
    controls_.multipleLine.show();
    return StageEnd::Done;
}

StageEnd SumRow::showFactors() const {
    const core::Decimal first = store_.m / store_.b;
    const core::Decimal second = store_.m / store_.d;
    line_ = said::factors(first, second);
    controls_.firstFactor.setDescription(line_);
    controls_.secondFactor.setDescription(line_);
    controls_.firstFactor.setCaption(inParentheses(first));
    controls_.secondFactor.setCaption(inParentheses(second));
    controls_.firstFactor.show();
    controls_.secondFactor.show();
    return StageEnd::Done;
}

// Both fractions over the common denominator; each product comes first, then the exact division.
StageEnd SumRow::expand() const {
    const SumStore& s = store_;
    const core::Fraction first{s.a * s.m / s.b, s.m};
    const core::Fraction second{s.c * s.m / s.d, s.m};
    line_ = said::expanded({s.a, s.b}, first, {s.c, s.d}, second);
    describeFraction(controls_.firstExpanded, kit::wordsOf(first));
    describeFraction(controls_.secondExpanded, kit::wordsOf(second));
    controls_.firstExpanded.numerator.setText(first.numerator.toString());
    controls_.secondExpanded.numerator.setText(second.numerator.toString());
    controls_.firstExpanded.denominator.setText(s.m.toString());
    controls_.secondExpanded.denominator.setText(s.m.toString());
    return StageEnd::Done;
}

// Reads the expanded numerators back from their boxes, so an emptied box counts as 0.
StageEnd SumRow::join() const {
    const core::Decimal first = kit::leadingValue(controls_.firstExpanded.numerator.text());
    const core::Decimal second = kit::leadingValue(controls_.secondExpanded.numerator.text());
    const core::Fraction combined{rules_.join(first, second), store_.m};
    line_ = said::joined({first, store_.m}, rules_.operation, {second, store_.m}, combined);
    describeFraction(controls_.combined, kit::wordsOf(combined));
    controls_.combined.numerator.setText(combined.numerator.toString());
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
    std::optional<core::Fraction> simplified;
    if (reduces && sign > 0) {
        simplified = core::Fraction{xh, yh};
        showFraction(panels.reduced, panels.reducedBoxes, rules_.spots.reduced, xh, yh,
                     kit::resultWordsOf(*simplified));
    }
    // A negative fraction shows its magnitude under the panel's own "-", reduced or not.
    if ((reduces || unchanged) && sign < 0) {
        simplified = core::Fraction{xh, yh};
        showFraction(panels.negative, panels.negativeBoxes, rules_.spots.negative, x.abs() / h, yh,
                     kit::resultWordsOf(*simplified));
    }
    const auto whole = showIfWhole(panels, rules_.spots.whole, {store_.r, store_.s});
    line_ = said::outcome(whole, simplified == core::Fraction{x, y} ? std::nullopt : simplified,
                          {x, y});
    return whole ? StageEnd::WholeResult : StageEnd::Done;
}

std::string SumRow::summary() const {
    return words::operationSentence({store_.a, store_.b}, rules_.operation, {store_.c, store_.d},
                                    {store_.r, store_.s});
}

}  // namespace talvera::details
