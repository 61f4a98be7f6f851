#pragma once

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
};

}  // namespace talvera::ui
