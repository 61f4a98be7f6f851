#include "kit/narrator.h"

namespace talvera::kit {

namespace {
constexpr std::string_view nothingYet = "Esta tarefa ainda não tem resultado.";
}  // namespace

void Narrator::tell(ui::Form& form, const std::vector<const ui::Control*>& taskFrames,
                    std::string sentence) {
    for (const ui::Control* frame : taskFrames) {
        lastSaid_[frame] = sentence;
    }
    if (readAloud_) {
        speech_.say(sentence);
    }
    form.announce(std::move(sentence));
}

void Narrator::forget(const ui::Control& taskFrame) {
    lastSaid_.erase(&taskFrame);
}

void Narrator::messageShown(std::string_view text) {
    if (readAloud_) {
        speech_.say(text);
    }
}

void Narrator::repeat(const ui::Form& form) {
    for (const ui::Control* c = form.focused(); c != nullptr; c = c->container()) {
        if (const auto found = lastSaid_.find(c); found != lastSaid_.end()) {
            speech_.say(found->second);
            return;
        }
    }
    speech_.say(nothingYet);
}

}  // namespace talvera::kit
