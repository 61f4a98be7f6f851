#pragma once

#include <deque>
#include <string>

#include "ui/dialogs.h"
#include "ui/speech.h"

namespace talvera::scenarios {

struct RecordedMessage {
    std::string text;
    std::string title;
    ui::MessageIcon icon;
};

// Keeps every message box instead of showing it, in the order they came.
class RecordingDialogs : public ui::Dialogs {
  public:
    void inform(std::string_view text, std::string_view title, ui::MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(title), icon});
    }
    std::deque<RecordedMessage> messages;
};

// A voice that is always there and keeps what it was last asked to say.
class RecordingSpeech : public ui::Speech {
  public:
    std::string unavailable() const override { return {}; }
    void say(std::string_view sentence) override { said = sentence; }
    std::string said;
};

}  // namespace talvera::scenarios
