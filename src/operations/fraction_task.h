#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/fraction.h"
#include "kit/messenger.h"
#include "kit/term_reader.h"
#include "operations/overlay_display.h"
#include "words/sentences.h"

namespace talvera::operations {

// The controls of one of the five fraction tasks, bound by role.
struct FractionTaskControls {
    std::vector<ui::Control*> terms;  // N1, D1, N2, D2; N1, D1 for simplification
    ui::Control& equals;
    ResultView result;
    ui::Control& clearResult;
    ui::Control& clearAll;
};

// What makes one fraction task differ from another.
struct FractionTaskRules {
    const kit::TermValidation* validation = nullptr;
    // The unreduced result from the converted terms.
    core::Fraction (*combine)(std::span<const core::Decimal> terms) = nullptr;
    ResultStyle style = ResultStyle::AlwaysWrite;
    // Division refuses a second fraction whose numerator is 0, before anything is written.
    bool refusesZeroSecondNumerator = false;
    // How the result is said: the operation between the two fractions; simplification has none.
    std::optional<words::Operation> operation{};
    picture::Kind picture = picture::Kind::Addition;
};

namespace rules {
extern const FractionTaskRules addition;
extern const FractionTaskRules subtraction;
extern const FractionTaskRules multiplication;
extern const FractionTaskRules division;
extern const FractionTaskRules simplification;
}  // namespace rules

// Addition, subtraction, multiplication, division and simplification: validate the terms,
// combine them, reduce the result and show it.
class FractionTask {
  public:
    FractionTask(FractionTaskControls controls, const FractionTaskRules& rules,
                 const kit::Messenger& messenger);
    FractionTask(const FractionTask&) = delete;
    FractionTask& operator=(const FractionTask&) = delete;
    ~FractionTask() = default;

    const FractionTaskControls& controls() const { return controls_; }

  private:
    void calculate();
    void clear();
    // What the press wrote, in words: the terms, and the result they come to.
    std::string sentence(std::span<const core::Decimal> terms, const core::Fraction& result) const;

    FractionTaskControls controls_;
    const FractionTaskRules& rules_;
    const kit::Messenger& messenger_;
    kit::SketchedTask sketch_;
};

}  // namespace talvera::operations
