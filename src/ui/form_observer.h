#pragma once

#include "ui/control.h"

namespace talvera::ui {

// Told of every change of a form's controls, synchronously, as it happens.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control, Change what) = 0;
};

}  // namespace talvera::ui
