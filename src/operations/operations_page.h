#pragma once

#include "kit/messenger.h"
#include "kit/page_context.h"
#include "operations/comparison_task.h"
#include "operations/fraction_task.h"
#include "operations/operations_layout.h"
#include "operations/to_decimal_task.h"
#include "operations/to_fraction_task.h"
#include "ui/page.h"

namespace talvera::operations {

// Form1: eight small calculators side by side.
class OperationsPage : public ui::Page {
  public:
    explicit OperationsPage(const kit::PageContext& context);

  private:
    kit::Messenger messenger_;
    OperationsControls controls_;
    FractionTask addition_;
    FractionTask subtraction_;
    FractionTask multiplication_;
    FractionTask division_;
    FractionTask simplification_;
    ComparisonTask comparison_;
    ToDecimalTask toDecimal_;
    ToFractionTask toFraction_;
};

}  // namespace talvera::operations
