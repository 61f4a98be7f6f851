// Decimal arithmetic on any two operands (magnitude, scale, sign), then the operation: the exact
// result rounded as the reference rounds it, or a CapacityError exactly where none fits.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/capacity_error.h"
#include "core/reference.h"
#include "fuzz_check.h"

using talvera::core::Decimal;
namespace reference = talvera::reference;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 29) {
        return 0;
    }
    const auto operand = [data](std::size_t at) {
        talvera::core::UInt128 magnitude = 0;
        for (std::size_t i = at; i < at + 12; ++i) {
            magnitude = (magnitude << 8U) | data[i];
        }
        return Decimal::fromMagnitude((data[at + 13] & 1U) != 0, magnitude, data[at + 12] % 29);
    };
    const Decimal x = operand(0);
    const Decimal y = operand(14);
    const char operation = "+-*/%"[data[28] % 5];
    const auto expected = (operation == '/' || operation == '%') && y.isZero()
                              ? std::nullopt
                              : reference::nearest(reference::combine(
                                    operation, reference::exact(x), reference::exact(y)));
    try {
        const Decimal result = reference::combine(operation, x, y);
        talvera::fuzz::check(expected && result.toString() == reference::text(*expected),
                             "a result other than the exact value, rounded");
    } catch (const talvera::core::CapacityError&) {
        talvera::fuzz::check(!expected, "a CapacityError where a decimal holds the value");
    }
    return 0;
}
