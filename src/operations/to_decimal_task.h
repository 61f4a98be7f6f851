#pragma once

#include "kit/messenger.h"
#include "operations/operations_layout.h"

namespace talvera::operations {

// Writes the decimal value of a fraction, to at most 28 places.
class ToDecimalTask {
  public:
    ToDecimalTask(ToDecimalControls controls, const kit::Messenger& messenger);
    ToDecimalTask(const ToDecimalTask&) = delete;
    ToDecimalTask& operator=(const ToDecimalTask&) = delete;
    ~ToDecimalTask() = default;

  private:
    void convert();
    void clear();

    ToDecimalControls controls_;
    const kit::Messenger& messenger_;
    kit::SketchedTask sketch_;
};

}  // namespace talvera::operations
