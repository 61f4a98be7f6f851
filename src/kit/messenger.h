#pragma once

#include <string_view>

#include "kit/messages.h"
#include "ui/dialogs.h"

namespace talvera::kit {

// The message boxes of the pages: every one titled with the program's name.
class Messenger {
  public:
    explicit Messenger(ui::Dialogs& dialogs) : dialogs_(dialogs) {}

    void inform(std::string_view text) const {
        dialogs_.inform(text, messages::appTitle, ui::MessageIcon::Information);
    }
    // The one box without an icon: the divisor routine's argument guard.
    void informPlain(std::string_view text) const {
        dialogs_.inform(text, messages::appTitle, ui::MessageIcon::None);
    }
    void capacityExceeded() const { inform(messages::capacity); }

  private:
    ui::Dialogs& dialogs_;
};

}  // namespace talvera::kit
