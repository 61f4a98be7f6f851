#include "details/step_sequence.h"

#include <cassert>

#include "details/details_texts.h"
#include "details/result_panels.h"
#include "kit/clearing.h"
#include "kit/failure_trap.h"

namespace talvera::details {

namespace {
constexpr std::string_view finished = " O cálculo está terminado.";
}  // namespace

StepSequence::StepSequence(const RowControls& controls, const kit::Messenger& messenger,
                           std::vector<Stage> stages, RowWords words)
    : controls_(controls),
      messenger_(messenger),
      stages_(std::move(stages)),
      words_(std::move(words)),
      sketch_{.kind = words_.picture, .terms = controls_.terms} {
    assert(stages_.size() == controls_.steps.size());
    messenger_.sketcher().add({&controls_.detail, controls_.stepMode.container()}, sketch_);
    kit::wireClearing(controls_.emptyingOrder, controls_.clearResult, controls_.clearAll,
                      [this] { clear(); });
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
void StepSequence::switchMode() {
    clear();
    if (controls_.stepMode.checked()) {
        controls_.steps.front()->setEnabled(true);
    } else {
        disableSteps();
    }
}

void StepSequence::calculateAtOnce() {
    if (controls_.stepMode.checked()) {
        messenger_.inform(texts::stepModeRefusal);
        return;
    }
    kit::runTrapped(messenger_, [this] {
        for (const Stage& stage : stages_) {
            if (stage() == StageEnd::Stopped) {
                return;
            }
        }
        tell(words_.summary());
        sketch(picture::allStages);
    });
}

// A step that completes hands on to the next button; the last one hands back to the first,
// unless it showed a whole number, which it then shows again on each press.
void StepSequence::step(std::size_t index) {
    kit::runTrapped(messenger_, [this, index] {
        const StageEnd end = stages_[index]();
        if (end == StageEnd::Stopped) {
            return;
        }
        const bool last = index + 1 == controls_.steps.size();
        if (!last) {
            handOn(index, *controls_.steps[index + 1]);
        } else if (end != StageEnd::WholeResult) {
            handOn(index, *controls_.steps.front());
        }
        // Said after the focus has moved on, which a screen reader would otherwise cut it for.
        tell(words_.lastLine() + std::string(last ? finished : ""));
        sketch(static_cast<int>(index) + 1);
    });
}

void StepSequence::clear() {
    clearResults(controls_);
    messenger_.narrator().forget(controls_.detail);
    messenger_.narrator().forget(*controls_.stepMode.container());
    sketch(0);
}

void StepSequence::sketch(int stage) {
    sketch_.stage = stage;
    messenger_.sketcher().worked(sketch_);
}

// The row is known by its two frames: the working's and the step buttons'.
void StepSequence::tell(std::string sentence) const {
    messenger_.narrator().tell(controls_.detail.form(),
                               {&controls_.detail, controls_.stepMode.container()},
                               std::move(sentence));
}

// The focus goes with the enabled button before the pressed one is disabled: left to the
// toolkit, it would jump to the next row's first box and select its text, which the next key
// would then overwrite.
void StepSequence::handOn(std::size_t index, ui::Control& next) const {
    next.setEnabled(true);
    next.setFocus();
    controls_.steps[index]->setEnabled(false);
}

}  // namespace talvera::details
