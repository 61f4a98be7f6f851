#pragma once

#include "ui/zoom.h"

namespace talvera::ui {

class Form;

// Told when forms open and close and when the program ends, so that a view can create and
// destroy its windows.
class WindowObserver {
  public:
    virtual ~WindowObserver() = default;
    virtual void formOpened(Form& form) = 0;
    // A form that was already open was shown again: bring its window forward.
    virtual void formRaised(Form& form) = 0;
    virtual void formClosing(Form& form) = 0;
    virtual void programEnded() = 0;
    // The "Ver" menu: the zoom of every window, and their high-contrast look.
    virtual void changeZoom(zoom::Step /*step*/) {}
    virtual void setHighContrast(bool /*on*/) {}
};

}  // namespace talvera::ui
