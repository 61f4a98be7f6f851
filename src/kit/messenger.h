#pragma once

#include <string_view>

#include "kit/messages.h"
#include "kit/page_context.h"

namespace talvera::kit {

// The message boxes of the pages: every one titled with the program's name, and read aloud as it
// opens while the program reads aloud.
class Messenger {
  public:
    explicit Messenger(const PageContext& context)
        : dialogs_(context.dialogs), narrator_(context.narrator) {}

    void inform(std::string_view text) const {
        narrator_.messageShown(text);
        dialogs_.inform(text, messages::appTitle, ui::MessageIcon::Information);
    }
    // The one box without an icon: the divisor routine's argument guard.
    void informPlain(std::string_view text) const {
        narrator_.messageShown(text);
        dialogs_.inform(text, messages::appTitle, ui::MessageIcon::None);
    }
    void capacityExceeded() const { inform(messages::capacity); }

    Narrator& narrator() const { return narrator_; }

  private:
    ui::Dialogs& dialogs_;
    Narrator& narrator_;
};

}  // namespace talvera::kit
