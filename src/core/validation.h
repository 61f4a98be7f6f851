#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "core/decimal.h"

namespace talvera::core {

// What the term validation found wrong, named by the check that failed.
enum class TermFault {
    None,
    EmptyTerm,
    NotNumeric,
    NegativeDenominator,
    NotWhole,
    ZeroDenominator,
};

// Where a page looks for a negative denominator, if it looks at all: in the box's text, by the
// leading-number rule, before the conversion; or in the converted value, after it (-1e-30
// converts to 0, so it is negative to the first and zero to the second).
enum class NegativeCheck { None, OnText, OnValue };

// Which checks a page runs besides the three that every page runs. The order is always: empty
// terms, numeric, negative on the text, conversion (an overflow is a CapacityError), negative on
// the value, whole, zero denominator. Each check looks at every box before it decides, so a fault
// names the rule, not the box.
struct TermRules {
    bool refusesEmptyTerms = false;
    NegativeCheck negativeDenominators = NegativeCheck::None;
};

struct TermBox {
    std::string_view text;  // the box's raw text
    bool isDenominator = false;
};

// Either the converted terms, in box order, or the fault of the first failing check.
struct ValidatedTerms {
    std::vector<Decimal> terms;
    TermFault fault = TermFault::None;
    bool ok() const { return fault == TermFault::None; }
};

ValidatedTerms validateTerms(std::span<const TermBox> boxes, const TermRules& rules);

}  // namespace talvera::core
