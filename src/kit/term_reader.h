#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "core/decimal.h"
#include "core/validation.h"
#include "kit/messenger.h"
#include "ui/control.h"

namespace talvera::kit {

// A page's sentence for each fault of the term validation; a fault its rules never find may go
// without one.
struct TermSentences {
    std::string_view notNumeric;
    std::string_view notWhole;
    std::string_view zeroDenominator;
    std::string_view emptyTerm{};
    std::string_view negativeDenominator{};

    std::string_view operator[](core::TermFault fault) const;
};

// What one task's term validation runs, and what it says when a check fails.
struct TermValidation {
    core::TermRules rules;
    TermSentences sentences;
};

// Runs the task's term validation on its term boxes, which alternate numerator and denominator.
// Returns the converted terms in box order, or nothing once the sentence of the first failing
// check has been shown. A term beyond the scaled decimal's range is a CapacityError.
std::optional<std::vector<core::Decimal>> readTerms(std::span<ui::Control* const> boxes,
                                                    const TermValidation& validation,
                                                    const Messenger& messenger);

// A box's text read back by the leading-number rule, exactly: the number it starts with, or 0.
core::Decimal leadingValue(std::string_view text);

}  // namespace talvera::kit
