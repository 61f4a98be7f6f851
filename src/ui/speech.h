#pragma once

#include <string>
#include <string_view>

namespace talvera::ui {

// The program's voice, for reading results aloud to a class. A sentence is said without waiting
// for it, and a new one cuts the one before it. The application speaks through the system's
// speech service; tests record the sentences instead.
class Speech {
  public:
    virtual ~Speech() = default;
    // Why nothing can be said on this machine, for the menu to tell; empty when a voice is ready.
    virtual std::string unavailable() const = 0;
    virtual void say(std::string_view sentence) = 0;
};

// Says nothing, and says why: for runs without a voice.
class NoSpeech : public Speech {
  public:
    std::string unavailable() const override { return "Não há voz para ler em voz alta."; }
    void say(std::string_view /*sentence*/) override {}
};

}  // namespace talvera::ui
