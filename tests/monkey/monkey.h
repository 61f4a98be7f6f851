#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "program_texts.h"
#include "ui/form.h"

namespace talvera::monkey {

// Where the monkey's decisions come from: a seeded random engine, or a fuzzer's bytes.
class Chooser {
  public:
    Chooser() = default;
    Chooser(const Chooser&) = delete;
    Chooser& operator=(const Chooser&) = delete;
    virtual ~Chooser() = default;

    // Whether there is anything left to decide with.
    virtual bool more() = 0;
    // A number below choices (choices > 0).
    virtual std::size_t pick(std::size_t choices) = 0;
    // A text to type into the box of that name.
    virtual std::string text(std::string_view boxName) = 0;
};

// Random typing, clicking and choosing on the form model of both work pages and the Exercises
// page. After every action it checks that nothing escaped a handler, that every message box says
// one of the program's own texts under its title, that every result either work page wrote at
// one press is the exact result in lowest terms, and that the Exercises page's verdict is one of
// its own.
class Monkey {
  public:
    explicit Monkey(const ProgramTexts& texts) : texts_(texts) {}

    // One sequence of at most that many actions on a fresh program; returns the first fault
    // found, or the empty text.
    std::string run(Chooser& chooser, std::size_t actions);

    // Clicks whose result was checked, and message boxes seen.
    std::size_t checked() const { return checked_; }
    std::size_t messages() const { return messages_; }

  private:
    const ProgramTexts& texts_;
    std::size_t checked_ = 0;
    std::size_t messages_ = 0;
};

}  // namespace talvera::monkey
