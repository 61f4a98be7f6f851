// Random sequences of typing and clicking on both work pages, from a fixed seed unless told:
//   talvera-monkey [--seed N] [--count SEQUENCES]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <string_view>

#include "monkey.h"

int main(int argc, char** argv) {
    unsigned long seed = 20261207;
    unsigned long count = 2000;
    for (int i = 1; i < argc; i += 2) {
        const std::string_view option = argv[i];
        if (i + 1 == argc || (option != "--seed" && option != "--count")) {
            std::fputs("usage: talvera-monkey [--seed N] [--count SEQUENCES]\n", stderr);
            return 2;
        }
        (option == "--seed" ? seed : count) = std::strtoul(argv[i + 1], nullptr, 10);
    }
    std::mt19937_64 random(seed);
    talvera::monkey::Monkey monkey;
    for (unsigned long sequence = 0; sequence < count; ++sequence) {
        const std::string fault =
            monkey.run([&random] { return static_cast<std::uint8_t>(random()); }, 40);
        if (!fault.empty()) {
            std::fprintf(stderr, "seed %lu, sequence %lu: %s\n", seed, sequence, fault.c_str());
            return 1;
        }
    }
    std::printf("%lu sequences of 40 actions, seed %lu: no fault, %zu presses checked\n", count,
                seed, monkey.checked());
    return 0;
}
