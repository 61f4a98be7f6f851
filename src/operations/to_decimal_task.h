#pragma once

#include "common/messenger.h"
#include "operations/operations_layout.h"

namespace talvera::operations {

// Writes the decimal value of a fraction, to at most 28 places.
class ToDecimalTask {
  public:
    ToDecimalTask(ToDecimalControls controls, const common::Messenger& messenger);
    ToDecimalTask(const ToDecimalTask&) = delete;
    ToDecimalTask& operator=(const ToDecimalTask&) = delete;
    ~ToDecimalTask() = default;

  private:
    void convert() const;

    ToDecimalControls controls_;
    const common::Messenger& messenger_;
};

}  // namespace talvera::operations
