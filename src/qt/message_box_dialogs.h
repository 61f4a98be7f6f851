#pragma once

#include <functional>
#include <utility>

#include "qt/scale.h"
#include "ui/dialogs.h"

class QWidget;

namespace talvera::qt {

// A modal QMessageBox with one OK button over the active window, at that window's zoom. When no
// window of the program is active, as when an assistive tool presses a button from outside, the
// box takes the zoom that `zoom` gives (the program's chosen one), or 100 % without it.
class MessageBoxDialogs : public ui::Dialogs {
  public:
    explicit MessageBoxDialogs(std::function<Look()> look = nullptr) : look_(std::move(look)) {}

    void inform(std::string_view text, std::string_view title, ui::MessageIcon icon) override;

  private:
    Look lookFor(const QWidget* parent) const;

    std::function<Look()> look_;
};

}  // namespace talvera::qt
