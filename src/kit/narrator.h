#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/speech.h"

namespace talvera::kit {

// Says in words what a press wrote. A screen reader hears every sentence, through the form; the
// class hears it too while reading aloud is on. Each task's last sentence is kept, so that it can
// be heard again on request.
class Narrator {
  public:
    explicit Narrator(ui::Speech& speech) : speech_(speech) {}

    bool readAloud() const { return readAloud_; }
    void setReadAloud(bool on) { readAloud_ = on; }
    // Why reading aloud cannot be turned on; empty when it can.
    std::string unavailable() const { return speech_.unavailable(); }

    // What one press of a task wrote; the task is known by the frames that hold its controls.
    void tell(ui::Form& form, const std::vector<const ui::Control*>& taskFrames,
              std::string sentence);
    // A task's results were cleared: it has nothing to say again.
    void forget(const ui::Control& taskFrame);
    // A message box is about to open: read aloud, its text is heard as it appears.
    void messageShown(std::string_view text);
    // Says again, whether reading aloud is on or not, the last sentence of the task that holds
    // the focus of the form.
    void repeat(const ui::Form& form);

  private:
    ui::Speech& speech_;
    bool readAloud_ = false;
    std::map<const ui::Control*, std::string> lastSaid_;
};

}  // namespace talvera::kit
