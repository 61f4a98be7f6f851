#pragma once

#include <QPointer>
#include <map>

#include "ui/qt/form_window.h"
#include "ui/window_observer.h"

namespace talvera::ui::qt {

// Gives every open form a window, and takes it away when the form closes.
class WindowManager : public WindowObserver {
  public:
    WindowManager() = default;
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;
    ~WindowManager() override;

    FormWindow* windowFor(const Form& form) const;

    void formOpened(Form& form) override;
    void formRaised(Form& form) override;
    void formClosing(Form& form) override;
    void programEnded() override;

  private:
    std::map<const Form*, QPointer<FormWindow>> windows_;
};

}  // namespace talvera::ui::qt
