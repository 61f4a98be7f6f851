#pragma once

#include <string_view>

#include "ui/control.h"
#include "ui/menu.h"

namespace talvera::ui {

// Told of every change of a form, synchronously, as it happens.
class FormObserver {
  public:
    virtual ~FormObserver() = default;
    virtual void controlChanged(const Control& control, Change what) = 0;
    // A menu item was ticked, unticked, enabled or disabled.
    virtual void menuChanged(const MenuItem& /*item*/) {}
    // A sentence for whoever cannot see what the last action wrote: a screen reader says it.
    virtual void announced(std::string_view /*sentence*/) {}
    // The same for what a control reads as: its name and its description.
    virtual void announcedControl(const Control& /*control*/) {}
};

}  // namespace talvera::ui
