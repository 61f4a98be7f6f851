#include "common/term_reader.h"

#include "core/number_reading.h"

namespace talvera::common {

std::optional<std::vector<core::Decimal>> readTerms(std::span<ui::Control* const> boxes,
                                                    const core::TermMessages& messages,
                                                    const Messenger& messenger) {
    std::vector<core::TermBox> terms;
    terms.reserve(boxes.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        terms.push_back({boxes[i]->text(), i % 2 == 1});
    }
    core::ValidatedTerms validated = core::validateTerms(terms, messages);
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

}  // namespace talvera::common
