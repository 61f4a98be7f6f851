#pragma once

#include "core/fraction.h"
#include "details/row_controls.h"
#include "details/step_sequence.h"
#include "kit/messenger.h"
#include "words/sentences.h"

namespace talvera::details {

// What makes division differ from multiplication.
struct ProductRules {
    // P over Q from the two fractions N1/D1 and N2/D2.
    core::Fraction (*form)(const core::Fraction& first, const core::Fraction& second) = nullptr;
    Spot panelSpot;  // all three result panels are shown here
    // Division shows its inverted line at step 1 and the product at step 2; multiplication
    // shows the product at step 1.
    bool productHasOwnStep = false;
    // Division refuses a second fraction whose numerator is 0, before any box is written.
    bool refusesZeroSecondNumerator = false;
    words::Operation operation = words::Operation::Multiplication;
    picture::Kind picture = picture::Kind::Multiplication;
};

namespace rules {
extern const ProductRules multiplication;
extern const ProductRules division;
}  // namespace rules

// Multiplication or division line by line, at once or one line per step: for division the
// inverted line first, then the unreduced product, then the result panels.
class ProductRow {
  public:
    ProductRow(ProductRowControls controls, const ProductRules& rules,
               const kit::Messenger& messenger);
    ProductRow(const ProductRow&) = delete;
    ProductRow& operator=(const ProductRow&) = delete;
    ProductRow(ProductRow&&) = delete;
    ProductRow& operator=(ProductRow&&) = delete;
    ~ProductRow() = default;

    void disableSteps() const { sequence_.disableSteps(); }

  private:
    std::vector<Stage> stages();
    StageEnd formProduct();
    StageEnd showProduct() const;
    StageEnd showResult() const;
    std::string summary() const;

    ProductRowControls controls_;
    const ProductRules& rules_;
    const kit::Messenger& messenger_;
    // The row's working store: the two fractions and the unreduced product that the first step
    // formed, and the result that the last step showed.
    core::Fraction first_{};
    core::Fraction second_{};
    core::Fraction product_{};
    mutable core::Fraction result_{};
    // What the stage that ran last wrote, in words.
    mutable std::string line_;
    StepSequence sequence_;
};

}  // namespace talvera::details
