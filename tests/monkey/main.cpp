// The monkey from the command line: many random sequences of typing and clicking on both work
// pages, from a fixed seed unless told otherwise.
//
//   talvera-monkey [--seed N] [--count SEQUENCES]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "monkey.h"

int main(int argc, char** argv) {
    unsigned long seed = 20261207;
    unsigned long count = 2000;
    const std::size_t actions = 40;  // per sequence
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 == args.size() || (args[i] != "--seed" && args[i] != "--count")) {
            std::fputs("usage: talvera-monkey [--seed N] [--count SEQUENCES]\n", stderr);
            return 2;
        }
        (args[i] == "--seed" ? seed : count) = std::strtoul(args[i + 1].data(), nullptr, 10);
    }
    std::mt19937_64 random(seed);
    const talvera::monkey::Bytes bytes = [&random] { return static_cast<std::uint8_t>(random()); };
    talvera::monkey::Monkey monkey;
    for (unsigned long sequence = 0; sequence < count; ++sequence) {
        const std::string fault = monkey.run(bytes, actions);
        if (!fault.empty()) {
            std::fprintf(stderr, "seed %lu, sequence %lu: %s\n", seed, sequence, fault.c_str());
            return 1;
        }
    }
    std::printf(
        "%lu sequences of %zu actions, seed %lu: no fault (%zu presses checked, %zu "
        "messages)\n",
        count, actions, seed, monkey.checked(), monkey.messages());
    return 0;
}
