// Random typing and clicking on both work pages, the decisions taken from the fuzzer's bytes:
// the monkey's checks after every action (nothing escapes a handler, only the program's own
// messages, every result written at one press exact in lowest terms).
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "monkey/monkey.h"

namespace {

class ByteChooser : public talvera::monkey::Chooser {
  public:
    ByteChooser(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() override { return at_ < size_; }
    std::size_t pick(std::size_t choices) override { return next() % choices; }
    // A length byte, then that many bytes as they come.
    std::string text(std::string_view /*boxName*/) override {
        std::string result;
        for (std::size_t n = next() % 48; n > 0 && more(); --n) {
            result.push_back(static_cast<char>(next()));
        }
        return result;
    }

  private:
    std::uint8_t next() { return more() ? data_[at_++] : 0; }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const talvera::monkey::ProgramTexts texts;
    talvera::monkey::Monkey monkey(texts);
    ByteChooser chooser(data, size);
    const std::string fault = monkey.run(chooser, 200);
    talvera::fuzz::check(fault.empty(), fault);
    return 0;
}
