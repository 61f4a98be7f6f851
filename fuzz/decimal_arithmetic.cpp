// Decimal arithmetic on any two operands, checked against the exact rational reference: each of
// + - * / and the remainder gives the exact result rounded as the reference rounds it, or a
// CapacityError exactly where no decimal holds it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "core/capacity_error.h"
#include "core/decimal.h"
#include "core/exact_rational.h"
#include "fuzz_check.h"

using talvera::core::CapacityError;
using talvera::core::Decimal;
using talvera::core::UInt128;
using talvera::core::testing::DecimalParts;
using talvera::core::testing::Rational;
using talvera::fuzz::check;

namespace {

constexpr std::size_t operandSize = 14;  // 12 bytes of magnitude, a scale and a sign

DecimalParts operand(const std::uint8_t* bytes) {
    UInt128 magnitude = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        magnitude = (magnitude << 8U) | bytes[i];
    }
    const int scale = bytes[12] % (Decimal::maxScale + 1);
    return {.negative = (bytes[13] & 1U) != 0, .magnitude = magnitude, .scale = scale};
}

// The same operation on the decimal and on its exact reference; both types spell it alike.
template <typename Number>
Number combine(char operation, const Number& a, const Number& b) {
    switch (operation) {
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '*':
            return a * b;
        case '/':
            return a / b;
        default:
            return remainder(a, b);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2 * operandSize + 1) {
        return 0;
    }
    const DecimalParts a = operand(data);
    const DecimalParts b = operand(data + operandSize);
    constexpr std::string_view operations = "+-*/%";
    const char operation = operations[data[2 * operandSize] % operations.size()];

    const Decimal x = Decimal::fromMagnitude(a.negative, a.magnitude, a.scale);
    const Decimal y = Decimal::fromMagnitude(b.negative, b.magnitude, b.scale);
    const bool byZero = (operation == '/' || operation == '%') && b.magnitude == 0;
    const std::optional<DecimalParts> expected =
        byZero ? std::nullopt
               : talvera::core::testing::toDecimalParts(combine(operation, a.value(), b.value()));
    try {
        const Decimal result = combine(operation, x, y);
        check(expected.has_value(), "a result where no decimal holds the exact value");
        check(result.toString() == expected->text() && result.scale() == expected->scale &&
                  result.isNegative() == expected->negative,
              "a result other than the exact value, rounded");
        check(Decimal::parse(result.toString()) == result, "a result does not read back");
    } catch (const CapacityError&) {
        check(!expected.has_value(), "a CapacityError where a decimal holds the value");
    }
    return 0;
}
