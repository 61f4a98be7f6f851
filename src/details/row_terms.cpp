#include "details/row_terms.h"

#include "core/number_reading.h"

namespace talvera::details {

std::optional<std::vector<core::Decimal>> validatedTerms(const RowControls& row,
                                                         const core::TermMessages& messages,
                                                         const common::Messenger& messenger) {
    std::vector<core::TermBox> boxes;
    for (std::size_t i = 0; i < row.terms.size(); ++i) {
        // Terms alternate numerator, denominator.
        boxes.push_back({row.terms[i]->text(), i % 2 == 1});
    }
    core::ValidatedTerms validated = core::validateTerms(boxes, messages);
    if (!validated.ok()) {
        messenger.inform(validated.message);
        return std::nullopt;
    }
    return std::move(validated.terms);
}

core::Decimal leadingValue(std::string_view text) {
    // The rule always yields a numeral ("0" for a text that starts with none).
    return core::Decimal::parse(core::leadingNumberText(text)).value_or(core::Decimal{});
}

}  // namespace talvera::details
