#pragma once

#include <deque>
#include <string>

#include "ui/dialogs.h"
#include "ui/printing.h"
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

// Keeps what it was last asked to print, as lines: "print" or "pdf NAME", then the printout's.
class RecordingPrinting : public ui::Printing {
  public:
    void print(const ui::printout::Document& document) override {
        last = "print\n" + ui::printout::describe(document);
    }
    void saveAsPdf(const ui::printout::Document& document, std::string_view name) override {
        last = "pdf " + std::string(name) + "\n" + ui::printout::describe(document);
    }
    std::string last;
};

}  // namespace talvera::scenarios
