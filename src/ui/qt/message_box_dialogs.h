#pragma once

#include "ui/dialogs.h"

namespace talvera::ui::qt {

// A modal QMessageBox with one OK button over the active window.
class MessageBoxDialogs : public Dialogs {
  public:
    void inform(std::string_view text, std::string_view title, MessageIcon icon) override;
};

}  // namespace talvera::ui::qt
