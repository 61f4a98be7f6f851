#include "core/validation.h"

#include <algorithm>

#include "core/number_reading.h"

namespace talvera::core {

ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermMessages& messages) {
    const auto isDenominator = [](const TermBox& box) { return box.isDenominator; };

    if (!std::ranges::all_of(boxes,
                             [](const TermBox& box) { return isNumeric(termText(box.text)); })) {
        return {{}, messages.notNumeric};
    }
    if (messages.negativeDenominator && std::ranges::any_of(boxes, [&](const TermBox& box) {
            return isDenominator(box) && leadingNumber(termText(box.text)) < 0;
        })) {
        return {{}, *messages.negativeDenominator};
    }
    ValidatedTerms result;
    result.terms.reserve(boxes.size());
    for (const TermBox& box : boxes) {
        result.terms.push_back(*Decimal::parse(termText(box.text)));
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
