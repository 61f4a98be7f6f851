// The decimal-to-fraction conversion through the form model: any text typed into its box and
// converted shows exactly the messages the reference expects, in order, leaves the box as the
// conversion rewrites it, and answers the exact fraction in lowest terms or the capacity message.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "monkey/monkey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static talvera::monkey::Monkey monkey;
    monkey.restart();
    const auto& conversion = monkey.operations().toFraction;
    const auto page = talvera::shell::PageId::Operations;
    const std::string fault =
        monkey.act(page, conversion.input.name(), std::string(data, data + size)) +
        monkey.act(page, conversion.convert.name());
    talvera::fuzz::check(fault.empty(), fault);
    return 0;
}
