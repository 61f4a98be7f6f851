#include "kit/sketcher.h"

#include <algorithm>

namespace talvera::kit {

void Sketcher::add(const std::vector<const ui::Control*>& frames, const SketchedTask& task) {
    for (const ui::Control* frame : frames) {
        tasks_.push_back({frame, &task});
    }
}

void Sketcher::forget(const ui::Form& form) {
    std::erase_if(tasks_, [&form](const Entry& entry) { return &entry.frame->form() == &form; });
}

void Sketcher::follow(ui::Form& form) {
    form.onFocusNoted([this](const ui::Control* control) { focused(control); });
}

void Sketcher::worked(const SketchedTask& task) {
    picture::Task shown{.kind = task.kind, .texts = {}, .stage = task.stage};
    for (const ui::Control* box : task.terms) {
        shown.texts.push_back(box->text());
    }
    last_ = std::move(shown);
    if (listener_) {
        listener_(*last_);
    }
}

void Sketcher::focused(const ui::Control* control) {
    for (const ui::Control* c = control; c != nullptr; c = c->container()) {
        const auto found =
            std::ranges::find_if(tasks_, [c](const Entry& entry) { return entry.frame == c; });
        if (found != tasks_.end()) {
            worked(*found->task);
            return;
        }
    }
}

}  // namespace talvera::kit
