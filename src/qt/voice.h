#pragma once

#include <QTextToSpeech>
#include <memory>
#include <string>

#include "ui/speech.h"

namespace talvera::qt {

// The program's voice: Qt's text-to-speech through speech-dispatcher, in the European
// Portuguese voice of espeak-ng. Without the service or without that voice it stays silent and
// says why, and the menu item that would turn it on is off.
class Voice : public ui::Speech {
  public:
    Voice();
    std::string unavailable() const override { return unavailable_; }
    void say(std::string_view sentence) override;

  private:
    // Picks the Portuguese voice of Portugal; the reason it cannot, or nothing.
    std::string choosePortugueseVoice();

    std::unique_ptr<QTextToSpeech> speech_;
    std::string unavailable_;
};

}  // namespace talvera::qt
