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
#include "random_texts.h"

namespace {

struct Options {
    unsigned long seed = 20261207;
    unsigned long count = 2000;
    std::size_t actions = 40;  // per sequence
};

bool readOptions(int argc, char** argv, Options& options) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (args.size() % 2 != 0) {
        return false;
    }
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const unsigned long value = std::strtoul(std::string(args[i + 1]).c_str(), nullptr, 10);
        if (args[i] == "--seed") {
            options.seed = value;
        } else if (args[i] == "--count") {
            options.count = value;
        } else {
            return false;
        }
    }
    return true;
}

class RandomChooser : public talvera::monkey::Chooser {
  public:
    explicit RandomChooser(unsigned long seed) : random_(seed) {}
    bool more() override { return true; }
    std::size_t pick(std::size_t choices) override {
        return std::uniform_int_distribution<std::size_t>(0, choices - 1)(random_);
    }
    std::string text(std::string_view boxName) override {
        return talvera::monkey::randomText(random_, boxName);
    }

  private:
    std::mt19937_64 random_;
};

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!readOptions(argc, argv, options)) {
        std::fputs("usage: talvera-monkey [--seed N] [--count SEQUENCES]\n", stderr);
        return 2;
    }
    RandomChooser chooser(options.seed);
    const talvera::monkey::ProgramTexts texts;
    talvera::monkey::Monkey monkey(texts);
    for (unsigned long sequence = 0; sequence < options.count; ++sequence) {
        const std::string fault = monkey.run(chooser, options.actions);
        if (!fault.empty()) {
            std::fprintf(stderr, "seed %lu, sequence %lu: %s\n", options.seed, sequence,
                         fault.c_str());
            return 1;
        }
    }
    std::printf(
        "%lu sequences of %zu actions, seed %lu: no fault (%zu clicks checked, %zu "
        "messages)\n",
        options.count, options.actions, options.seed, monkey.checked(), monkey.messages());
    return 0;
}
