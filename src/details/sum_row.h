#pragma once

#include "core/fraction.h"
#include "details/result_panels.h"
#include "details/row_controls.h"
#include "details/step_sequence.h"
#include "kit/messenger.h"
#include "words/sentences.h"

namespace talvera::details {

// What makes subtraction differ from addition.
struct SumRules {
    // The sum or difference of the two fractions, over the product of their denominators.
    core::Fraction (*combine)(const core::Fraction& first, const core::Fraction& second) = nullptr;
    // The same of the two expanded numerators, which share the common denominator.
    core::Decimal (*join)(const core::Decimal& first, const core::Decimal& second) = nullptr;
    PanelSpots spots;
    words::Operation operation = words::Operation::Addition;
    picture::Kind picture = picture::Kind::Addition;
};

namespace rules {
extern const SumRules addition;
extern const SumRules subtraction;
}  // namespace rules

// What the first step of addition or subtraction leaves for the steps after it. Each row keeps
// its own, so that another row's working in between changes nothing here.
struct SumStore {
    core::Decimal a, b, c, d;  // the fractions a/b and c/d
    core::Decimal r, s;        // the result a/b ± c/d in lowest terms
    core::Decimal m;           // the common denominator: the m.m.c. of b and d
};

// Addition or subtraction line by line, at once or in five steps: 1 the m.m.c. line, 2 the
// expansion factors, 3 the expanded fractions, 4 their sum or difference, 5 the result panels.
class SumRow {
  public:
    SumRow(SumRowControls controls, const SumRules& rules, const kit::Messenger& messenger);
    SumRow(const SumRow&) = delete;
    SumRow& operator=(const SumRow&) = delete;
    SumRow(SumRow&&) = delete;
    SumRow& operator=(SumRow&&) = delete;
    ~SumRow() = default;

    void disableSteps() const { sequence_.disableSteps(); }

  private:
    StageEnd showMultiple();
    StageEnd showFactors() const;
    StageEnd expand() const;
    StageEnd join() const;
    StageEnd showResult() const;
    std::string summary() const;

    SumRowControls controls_;
    const SumRules& rules_;
    const kit::Messenger& messenger_;
    SumStore store_{};
    // What the stage that ran last wrote, in words.
    mutable std::string line_;
    StepSequence sequence_;
};

}  // namespace talvera::details
