// Typing and clicking on both work pages, every decision taken from the fuzzer's bytes, each
// action checked as the monkey checks it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "monkey/monkey.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static talvera::monkey::Monkey monkey;
    std::size_t at = 0;
    const std::string fault = monkey.run(
        [&]() -> std::optional<std::uint8_t> {
            return at < size ? std::optional(data[at++]) : std::nullopt;
        },
        200);
    talvera::fuzz::check(fault.empty(), fault);
    return 0;
}
