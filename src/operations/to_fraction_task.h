#pragma once

#include <string>

#include "core/divisors.h"
#include "kit/messenger.h"
#include "operations/operations_layout.h"

namespace talvera::operations {

// Turns a decimal typed as text into a fraction in lowest terms: finite decimals, and repeating
// decimals with the period in parentheses, as 0.14(27).
class ToFractionTask {
  public:
    ToFractionTask(ToFractionControls controls, const kit::Messenger& messenger);
    ToFractionTask(const ToFractionTask&) = delete;
    ToFractionTask& operator=(const ToFractionTask&) = delete;
    ~ToFractionTask() = default;

  private:
    void convert();
    // Rewrites the input box as the conversion reads it; returns the input.
    std::string normalizeInput() const;
    void writeScratch(const std::string& input) const;
    // Whether the input passes the checks on points and parentheses; shows the message if not.
    bool checkMarks(const std::string& input) const;
    void clearResults();

    ToFractionControls controls_;
    const kit::Messenger& messenger_;
    kit::SketchedTask sketch_;
};

}  // namespace talvera::operations
