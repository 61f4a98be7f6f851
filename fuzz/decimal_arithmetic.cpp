// Decimal arithmetic on any two operands, checked against the exact reference: each of + - * /
// and the remainder gives the exact result rounded as the reference rounds it, or a CapacityError
// exactly where no decimal holds it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/capacity_error.h"
#include "core/reference.h"
#include "fuzz_check.h"

using talvera::core::Decimal;
namespace reference = talvera::reference;

namespace {

constexpr std::size_t operandSize = 14;  // 12 bytes of magnitude, a scale and a sign

Decimal operand(const std::uint8_t* bytes) {
    talvera::core::UInt128 magnitude = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        magnitude = (magnitude << 8U) | bytes[i];
    }
    return Decimal::fromMagnitude((bytes[13] & 1U) != 0, magnitude, bytes[12] % 29);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * operandSize + 1) {
        return 0;
    }
    const Decimal x = operand(data);
    const Decimal y = operand(data + operandSize);
    constexpr std::string_view operations = "+-*/%";
    const char operation = operations[data[2 * operandSize] % operations.size()];
    const bool byZero = (operation == '/' || operation == '%') && y.isZero();
    const auto expected = byZero ? std::nullopt
                                 : reference::nearest(reference::combine(
                                       operation, reference::exact(x), reference::exact(y)));
    try {
        const Decimal result = reference::combine(operation, x, y);
        talvera::fuzz::check(expected && reference::exact(result) == *expected &&
                                 result.toString() == reference::text(*expected),
                             "a result other than the exact value, rounded");
    } catch (const talvera::core::CapacityError&) {
        talvera::fuzz::check(!expected, "a CapacityError where a decimal holds the value");
    }
    return 0;
}
