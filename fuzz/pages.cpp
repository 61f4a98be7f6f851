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
    const auto next = [&]() { return at < size ? std::optional(data[at++]) : std::nullopt; };
    const std::string fault = monkey.run(next, 200);
    talvera::fuzz::check(fault.empty(), fault);
    return 0;
}
