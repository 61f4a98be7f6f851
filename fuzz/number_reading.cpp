// Reading a number from any bytes as the exact reference does: the numeric test, the parsed value
// rounded, and the leading number with its double, beyond the range only where the double is.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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
        check(parsed ? expected && parsed->toString() == reference::text(*expected) : !exact,
              "a value other than the exact one, rounded");
    } catch (const CapacityError&) {
        check(exact && !expected, "a CapacityError where a decimal holds the value");
    }
    // The leading-number rule: blanks, tabs and line feeds left out, then the longest number.
    std::string packed = text;
    std::erase_if(packed, [](char c) { return c == ' ' || c == '\t' || c == '\n'; });
    std::size_t length = packed.size();
    while (length > 0 && !reference::number(packed.substr(0, length))) {
        --length;
    }
    const std::string leadingText = length > 0 ? packed.substr(0, length) : "0";
    check(talvera::core::leadingNumberText(text) == leadingText, "another leading number");
    const auto leading = reference::number(leadingText);
    try {
        check(talvera::core::leadingNumber(text) == std::strtod(leadingText.c_str(), nullptr) &&
                  !reference::beyondDouble(*leading),
              "a leading number read as another double");
    } catch (const CapacityError&) {
        check(reference::beyondDouble(*leading), "a CapacityError for a leading number that fits");
    }
    return 0;
}
