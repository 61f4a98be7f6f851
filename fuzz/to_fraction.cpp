// The decimal-to-fraction conversion of any text in its box, however long, checked as the monkey
// checks a press: the messages in order, the box rewritten, the fraction in lowest terms.
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
    // Written as the program writes, so that a text longer than a person may type gets there too.
    monkey.form(page).control(conversion.input.name()).setText(std::string(data, data + size));
    const std::string fault = monkey.act(page, conversion.convert.name());
    talvera::fuzz::check(fault.empty(), fault);
    return 0;
}
