#pragma once

#include "core/capacity_error.h"
#include "core/divisors.h"
#include "kit/messenger.h"

namespace talvera::kit {

// The greatest common divisor as the pages call it: arguments that are not numeric or not whole
// get the "Erro XXX" box, and then fail the division that needs the divisor, as a division by
// nothing would (a CapacityError, which the failure trap reports in its turn).
template <typename Argument>
core::Decimal checkedDivisor(const Messenger& messenger, const Argument& x, const Argument& y) {
    auto divisor = core::greatestCommonDivisor(x, y);
    if (!divisor) {
        messenger.informPlain(messages::divisorArgument);
        throw core::CapacityError();
    }
    return *divisor;
}

}  // namespace talvera::kit
