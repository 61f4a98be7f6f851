#include "details/step_sequence.h"

#include <cassert>

#include "common/clearing.h"
#include "common/failure_trap.h"
#include "details/details_texts.h"
#include "details/result_display.h"

namespace talvera::details {

StepSequence::StepSequence(const RowControls& controls, const common::Messenger& messenger,
                           std::vector<Stage> stages)
    : controls_(controls), messenger_(messenger), stages_(std::move(stages)) {
    assert(stages_.size() == controls_.steps.size());
    common::wireClearing(controls_.emptyingOrder, controls_.clearResult, controls_.clearAll,
                         [this] { clearResults(controls_); });
    controls_.stepMode.onClick([this] { switchMode(); });
    controls_.equals.onClick([this] { calculateAtOnce(); });
    for (std::size_t index = 0; index < controls_.steps.size(); ++index) {
        controls_.steps[index]->onClick([this, index] { step(index); });
    }
}

void StepSequence::disableSteps() const {
    for (ui::Control* button : controls_.steps) {
        button->setEnabled(false);
    }
}

// Ticking always starts afresh on a clear row; the other step buttons are already disabled then,
// since the page starts with all of them disabled and unticking disables them all.
void StepSequence::switchMode() const {
    clearResults(controls_);
    if (controls_.stepMode.checked()) {
        controls_.steps.front()->setEnabled(true);
    } else {
        disableSteps();
    }
}

void StepSequence::calculateAtOnce() const {
    if (controls_.stepMode.checked()) {
        messenger_.inform(texts::stepModeRefusal);
        return;
    }
    common::runTrapped(messenger_, [this] {
        for (const Stage& stage : stages_) {
            if (stage() == StageEnd::Stopped) {
                return;
            }
        }
    });
}

// A step that completes hands on to the next button; the last one hands back to the first,
// unless it showed a whole number, which it then shows again on each press.
void StepSequence::step(std::size_t index) const {
    common::runTrapped(messenger_, [this, index] {
        const StageEnd end = stages_[index]();
        if (end == StageEnd::Stopped) {
            return;
        }
        ui::Control& button = *controls_.steps[index];
        const bool last = index + 1 == controls_.steps.size();
        if (!last) {
            button.setEnabled(false);
            controls_.steps[index + 1]->setEnabled(true);
        } else if (end != StageEnd::WholeResult) {
            button.setEnabled(false);
            controls_.steps.front()->setEnabled(true);
        }
    });
}

}  // namespace talvera::details
