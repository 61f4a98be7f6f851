#include "core/validation.h"

#include <algorithm>

#include "core/number_reading.h"

namespace talvera::core {

ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermMessages& messages) {
    if (messages.emptyTerm &&
        std::ranges::any_of(boxes, [](const TermBox& box) { return termText(box.text).empty(); })) {
        return {{}, *messages.emptyTerm};
    }
    if (!std::ranges::all_of(boxes,
                             [](const TermBox& box) { return isNumeric(termText(box.text)); })) {
        return {{}, messages.notNumeric};
    }
    const bool checksNegative = messages.negativeDenominator.has_value();
    if (checksNegative && messages.negativeCheck == NegativeCheck::OnText &&
        std::ranges::any_of(boxes, [](const TermBox& box) {
            return box.isDenominator && leadingNumber(termText(box.text)) < 0;
        })) {
        return {{}, *messages.negativeDenominator};
    }
    ValidatedTerms result;
    result.terms.reserve(boxes.size());
    for (const TermBox& box : boxes) {
        result.terms.push_back(*Decimal::parse(termText(box.text)));
    }
    if (checksNegative && messages.negativeCheck == NegativeCheck::OnValue) {
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].isDenominator && result.terms[i].isNegative()) {
                return {{}, *messages.negativeDenominator};
            }
        }
    }
    if (!std::ranges::all_of(result.terms, [](const Decimal& term) { return term.isWhole(); })) {
        return {{}, messages.notWhole};
    }
    // A denominator too small for the scaled decimal (1e-30) converts to 0: it is zero to the
    // arithmetic too, though its text does not read as 0.
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        if (boxes[i].isDenominator &&
            (leadingNumber(boxes[i].text) == 0.0 || result.terms[i].isZero())) {
            return {{}, messages.zeroDenominator};
        }
    }
    return result;
}

}  // namespace talvera::core
