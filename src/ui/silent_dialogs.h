#pragma once

#include <string_view>

#include "ui/dialogs.h"

namespace talvera::ui {

// Shows no message at all: for runs that have no one to read them, such as benchmarks, the
// screenshot tool and tests that only look at the controls.
class SilentDialogs : public Dialogs {
  public:
    void inform(std::string_view /*text*/, std::string_view /*title*/,
                MessageIcon /*icon*/) override {}
};

}  // namespace talvera::ui
