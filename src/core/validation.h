#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "decimal.h"

namespace talvera::core {

// Where a page looks for a negative denominator: in the box's text, by the leading-number rule,
// before the conversion; or in the converted value, after it (-1e-30 converts to 0, so it is
// negative to the first and zero to the second).
enum class NegativeCheck { OnText, OnValue };

// The messages of one page's term validation, in the order the checks run. The pages own the
// sentences; the core only knows which check says what.
struct TermMessages {
    std::string_view notNumeric;
    std::string_view notWhole;
    std::string_view zeroDenominator;
    // Checked before everything else when present.
    std::optional<std::string_view> emptyTerm{};
    // Checked when present, where negativeCheck says.
    std::optional<std::string_view> negativeDenominator{};
    NegativeCheck negativeCheck = NegativeCheck::OnText;
};

struct TermBox {
    std::string_view text;  // the box's raw text
    bool isDenominator = false;
};

// Either the converted terms, in box order, or the message of the first failing check.
struct ValidatedTerms {
    std::vector<Decimal> terms;
    std::string_view message;
    bool ok() const { return message.empty(); }
};

// The ordered term validation: the optional empty check, the numeric check on every term text, the
// optional negative-denominator check on the text, conversion (an overflow is a CapacityError),
// the optional negative-denominator check on the value, the decimal check, and the zero check of
// every denominator: its raw text read by the leading-number rule, or its converted value, is 0.
// Each check looks at all the boxes before it decides, so the message names the rule, not the box.
ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermMessages& messages);

}  // namespace talvera::core
