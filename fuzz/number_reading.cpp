// Reading a number from any bytes: the numeric test and the decimal's parser agree with the
// exact reference, a parsed value is the exact one rounded, and the leading-number rule always
// yields a number, beyond the program's range only where its double is.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/capacity_error.h"
#include "core/number_reading.h"
#include "core/reference.h"
#include "fuzz_check.h"

using talvera::core::CapacityError;
using talvera::fuzz::check;
namespace reference = talvera::reference;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(data, data + size);
    const auto exact = reference::number(text);
    check(talvera::core::isNumeric(text) == exact.has_value(), "the numeric test disagrees");
    const auto expected = exact ? reference::nearest(*exact) : std::nullopt;
    try {
        const auto parsed = talvera::core::Decimal::parse(text);
        check(parsed.has_value() == exact.has_value() &&
                  (!parsed || (expected && reference::exact(*parsed) == *expected &&
                               parsed->toString() == reference::text(*expected))),
              "a value other than the exact one, rounded");
    } catch (const CapacityError&) {
        check(exact && !expected, "a CapacityError where a decimal holds the value");
    }

    const auto leading = reference::number(talvera::core::leadingNumberText(text));
    check(leading.has_value(), "the leading number is not numeric");
    try {
        static_cast<void>(talvera::core::leadingNumber(text));
        check(!reference::beyondDouble(*leading), "a leading number beyond the double read");
    } catch (const CapacityError&) {
        check(reference::beyondDouble(*leading), "a CapacityError for a leading number that fits");
    }
    return 0;
}
