#pragma once

#include <optional>

#include "common/messenger.h"
#include "core/capacity_error.h"
#include "core/divisors.h"

namespace talvera::common {

// The greatest common divisor as the pages call it: arguments that are not numeric or not whole
// get the "Erro XXX" box and no value.
template <typename Argument>
std::optional<core::Decimal> reportedDivisor(const Messenger& messenger, const Argument& x,
                                             const Argument& y) {
    auto divisor = core::greatestCommonDivisor(x, y);
    if (!divisor) {
        messenger.informPlain(core::messages::divisorArgument);
    }
    return divisor;
}

// A missing divisor fails the division that needs it, as a division by nothing would. Returns a
// copy, so that it may be called on the divisor routine's temporary result.
inline core::Decimal requireValue(const std::optional<core::Decimal>& value) {
    if (!value) {
        throw core::CapacityError();
    }
    return *value;
}

}  // namespace talvera::common
