#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "decimal.h"

namespace talvera::core {

// The messages of one page's term validation, in the order the checks run.
struct TermMessages {
    std::string_view notNumeric;
    std::string_view notWhole;
    std::string_view zeroDenominator;
    // Checked between the numeric check and the conversion when present.
    std::optional<std::string_view> negativeDenominator;
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

// The ordered term validation: numeric check on every term text, the optional negative-
// denominator check, conversion (an overflow is a CapacityError), decimal check, and the zero
// check of every denominator: its raw text read by the leading-number rule, or its converted
// value, is 0. Each check looks at all the
// boxes before it decides, so the message names the rule, not the box.
ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermMessages& messages);

}  // namespace talvera::core
