#include "kit/term_reader.h"

#include "core/number_reading.h"

namespace talvera::kit {

std::string_view TermSentences::operator[](core::TermFault fault) const {
    switch (fault) {
        case core::TermFault::EmptyTerm:
            return emptyTerm;
        case core::TermFault::NotNumeric:
            return notNumeric;
        case core::TermFault::NegativeDenominator:
            return negativeDenominator;
        case core::TermFault::NotWhole:
            return notWhole;
        case core::TermFault::ZeroDenominator:
            return zeroDenominator;
        case core::TermFault::None:
            break;
    }
    return {};
}

std::optional<std::vector<core::Decimal>> readTerms(std::span<ui::Control* const> boxes,
                                                    const TermValidation& validation,
                                                    const Messenger& messenger) {
    std::vector<core::TermBox> terms;
    terms.reserve(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        terms.push_back({boxes[i]->text(), i % 2 == 1});
    }
    core::ValidatedTerms validated = core::validateTerms(terms, validation.rules);
    if (!validated.ok()) {
        messenger.inform(validation.sentences[validated.fault]);
        return std::nullopt;
    }
    return std::move(validated.terms);
}

core::Decimal leadingValue(std::string_view text) {
    // The rule always yields a numeral ("0" for a text that starts with none).
    return core::Decimal::parse(core::leadingNumberText(text)).value_or(core::Decimal{});
}

}  // namespace talvera::kit
