#pragma once

#include <string_view>

#include "kit/messages.h"
#include "kit/page_context.h"

namespace talvera::kit {

// The message boxes of the pages: every one titled with the program's name, and read aloud as it
// opens while the program reads aloud. It also hands the pages' tasks the program's narrator and
// sketcher.
class Messenger {
  public:
    explicit Messenger(const PageContext& context)
        : dialogs_(context.dialogs), narrator_(context.narrator), sketcher_(context.sketcher) {}

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
    Sketcher& sketcher() const { return sketcher_; }

  private:
    ui::Dialogs& dialogs_;
    Narrator& narrator_;
    Sketcher& sketcher_;
};

}  // namespace talvera::kit
