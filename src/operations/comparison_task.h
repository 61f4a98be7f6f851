#pragma once

#include "kit/messenger.h"
#include "operations/operations_layout.h"

namespace talvera::operations {

// Compares two fractions: the relation sign on the button and between the two fractions
// rewritten over their least common denominator.
class ComparisonTask {
  public:
    ComparisonTask(ComparisonControls controls, const kit::Messenger& messenger);
    ComparisonTask(const ComparisonTask&) = delete;
    ComparisonTask& operator=(const ComparisonTask&) = delete;
    ~ComparisonTask() = default;

  private:
    void compare();
    void clearResults();

    ComparisonControls controls_;
    const kit::Messenger& messenger_;
    kit::SketchedTask sketch_;
};

}  // namespace talvera::operations
