// Reading a number from any bytes: the numeric test, the leading-number rule and the decimal's
// parser agree with one another, and a parsed value reads back from its own text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/capacity_error.h"
#include "core/decimal.h"
#include "core/number_reading.h"
#include "core/number_syntax.h"
#include "fuzz_check.h"

using talvera::core::CapacityError;
using talvera::core::Decimal;
using talvera::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(data, data + size);
    const std::string_view text = bytes;
    const bool numeric = talvera::core::isNumeric(text);
    const talvera::core::NumberSyntax syntax = talvera::core::scanNumber(text);
    check(syntax.length <= text.size(), "a number longer than its text");
    check(!numeric || syntax.length == text.size(), "a numeric text not read whole");

    try {
        const auto parsed = Decimal::parse(text);
        check(parsed.has_value() == numeric, "the parser and the numeric test disagree");
        if (parsed) {
            const auto again = Decimal::parse(parsed->toString());
            check(again.has_value() && *again == *parsed, "a value does not read back");
        }
    } catch (const CapacityError&) {
        check(numeric, "a text that is not numeric is beyond the range");
    }

    const std::string leading = talvera::core::leadingNumberText(text);
    check(talvera::core::isNumeric(leading), "the leading number is not numeric");
    try {
        static_cast<void>(talvera::core::leadingNumber(text));
    } catch (const CapacityError&) {
        // a leading number beyond the double's range
    }
    static_cast<void>(talvera::core::termText(text));
    return 0;
}
