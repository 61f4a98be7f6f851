#include "core/validation.h"

#include <algorithm>

#include "core/number_reading.h"

namespace talvera::core {

namespace {

bool anyDenominator(std::span<const TermBox> boxes, std::span<const Decimal> values,
                    bool (*test)(const TermBox& box, const Decimal* value)) {
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].isDenominator && test(boxes[i], values.empty() ? nullptr : &values[i])) {
            return true;
        }
    }
    return false;
}

}  // namespace

ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermRules& rules) {
    const auto fault = [](TermFault found) { return ValidatedTerms{{}, found}; };
    if (rules.refusesEmptyTerms &&
        std::ranges::any_of(boxes, [](const TermBox& box) { return termText(box.text).empty(); })) {
        return fault(TermFault::EmptyTerm);
    }
    if (!std::ranges::all_of(boxes,
                             [](const TermBox& box) { return isNumeric(termText(box.text)); })) {
        return fault(TermFault::NotNumeric);
    }
    if (rules.negativeDenominators == NegativeCheck::OnText &&
        anyDenominator(boxes, {}, [](const TermBox& box, const Decimal* /*value*/) {
            return leadingNumber(termText(box.text)) < 0;
        })) {
        return fault(TermFault::NegativeDenominator);
    }
    ValidatedTerms result;
    result.terms.reserve(boxes.size());
    for (const TermBox& box : boxes) {
        result.terms.push_back(*Decimal::parse(termText(box.text)));
    }
    if (rules.negativeDenominators == NegativeCheck::OnValue &&
        anyDenominator(boxes, result.terms, [](const TermBox& /*box*/, const Decimal* value) {
            return value->isNegative();
        })) {
        return fault(TermFault::NegativeDenominator);
    }
    if (!std::ranges::all_of(result.terms, [](const Decimal& term) { return term.isWhole(); })) {
        return fault(TermFault::NotWhole);
    }
    // A denominator too small for the scaled decimal (1e-30) converts to 0: it is zero to the
    // arithmetic too, though its text does not read as 0.
    if (anyDenominator(boxes, result.terms, [](const TermBox& box, const Decimal* value) {
            return leadingNumber(box.text) == 0.0 || value->isZero();
        })) {
        return fault(TermFault::ZeroDenominator);
    }
    return result;
}

}  // namespace talvera::core
