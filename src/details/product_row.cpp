#include "details/product_row.h"

#include "details/details_texts.h"
#include "details/result_panels.h"
#include "details/row_words.h"
#include "kit/checked_divisor.h"
#include "kit/described.h"
#include "kit/messages.h"
#include "kit/term_reader.h"

namespace talvera::details {

namespace rules {

const ProductRules multiplication{
    .form = [](const core::Fraction& a, const core::Fraction& b) { return a * b; },
    .panelSpot = {4620, 360},
    .productHasOwnStep = false,
    .picture = picture::Kind::Multiplication,
};

// Multiplies by the inverted second fraction, which needs a numerator other than 0.
const ProductRules division{
    .form = [](const core::Fraction& a, const core::Fraction& b) { return a / b; },
    .panelSpot = {7500, 360},
    .productHasOwnStep = true,
    .refusesZeroSecondNumerator = true,
    .operation = words::Operation::Division,
    .picture = picture::Kind::Division,
};

}  // namespace rules

ProductRow::ProductRow(ProductRowControls controls, const ProductRules& rules,
                       const kit::Messenger& messenger)
    : controls_(std::move(controls)),
      rules_(rules),
      messenger_(messenger),
      sequence_(controls_.row, messenger, stages(),
                {.lastLine = [this] { return line_; },
                 .summary = [this] { return summary(); },
                 .picture = rules.picture}) {}

std::vector<Stage> ProductRow::stages() {
    if (rules_.productHasOwnStep) {
        return {[this] { return formProduct(); }, [this] { return showProduct(); },
                [this] { return showResult(); }};
    }
    return {[this] {
                const StageEnd end = formProduct();
                return end == StageEnd::Stopped ? end : showProduct();
            },
            [this] { return showResult(); }};
}

// Validates, writes the inverted line where there is one, and keeps the product in the store.
StageEnd ProductRow::formProduct() {
    const auto terms = kit::readTerms(controls_.row.terms, texts::product, messenger_);
    if (!terms) {
        return StageEnd::Stopped;
    }
    if (rules_.refusesZeroSecondNumerator && (*terms)[2].isZero()) {
        messenger_.inform(kit::messages::divisionByZero);
        return StageEnd::Stopped;
    }
    first_ = {(*terms)[0], (*terms)[1]};
    second_ = {(*terms)[2], (*terms)[3]};
    if (controls_.inverted) {
        const InvertedLine& line = *controls_.inverted;
        describeFraction(line.first, kit::wordsOf(first_));
        describeFraction(line.inverted, kit::wordsOf({second_.denominator, second_.numerator}));
        line.first.numerator.setText((*terms)[0].toString());
        line.first.denominator.setText((*terms)[1].toString());
        line.inverted.numerator.setText((*terms)[3].toString());
        line.inverted.denominator.setText((*terms)[2].toString());
        line_ = said::inverted(first_, second_);
    }
    product_ = rules_.form(first_, second_);
    return StageEnd::Done;
}

StageEnd ProductRow::showProduct() const {
    line_ = said::product(product_);
    describeFraction(controls_.product, kit::wordsOf(product_));
    controls_.product.numerator.setText(product_.numerator.toString());
    controls_.product.denominator.setText(product_.denominator.toString());
    return StageEnd::Done;
}

// The divisor comes from the product's boxes, the product itself from the store; so after an
// edit has emptied the boxes the divisor fails, and with it the division that needs it.
StageEnd ProductRow::showResult() const {
    const core::Decimal g = kit::checkedDivisor(messenger_, controls_.product.numerator.text(),
                                                controls_.product.denominator.text());
    const core::Decimal& p = product_.numerator;
    const core::Decimal& q = product_.denominator;
    const core::Decimal n = p / g;
    const core::Decimal d = q / g;

    const ResultPanels& panels = controls_.row.panels;
    const bool reduces = n != p && d != q;
    const int sign = core::signOf({n, d});
    result_ = {n, d};
    const std::string words = kit::resultWordsOf(result_);
    if (reduces && sign > 0) {
        // The signs stay as they are: -1 over -8 shows both.
        showFraction(panels.reduced, panels.reducedBoxes, rules_.panelSpot, n, d, words);
    }
    if (reduces && sign < 0) {
        showFraction(panels.negative, panels.negativeBoxes, rules_.panelSpot, n.abs(), d.abs(),
                     words);
    }
    const auto whole = showIfWhole(panels, rules_.panelSpot, result_);
    line_ = said::outcome(whole, reduces && sign != 0 ? std::optional(result_) : std::nullopt,
                          product_);
    return whole ? StageEnd::WholeResult : StageEnd::Done;
}

std::string ProductRow::summary() const {
    return words::operationSentence(first_, rules_.operation, second_, result_);
}

}  // namespace talvera::details
