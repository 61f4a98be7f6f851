#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace talvera::monkey {

// The message box texts the program itself words: the shared messages, each page's own, and the
// conversion's counts of parentheses.
class ProgramTexts {
  public:
    ProgramTexts();
    bool contains(std::string_view text) const;
    // What the Exercises page may write as its verdict: one of its sentences, with its hint.
    bool isVerdict(const std::string& text) const;

  private:
    std::vector<std::string_view> known_;
    std::vector<std::string> verdicts_;
};

}  // namespace talvera::monkey
