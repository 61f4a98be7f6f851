#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "details/row_controls.h"
#include "kit/messenger.h"

namespace talvera::details {

// How one stage of a row's working ended.
enum class StageEnd {
    Stopped,      // a message ended it: nothing more runs and no step button changes
    Done,         // its lines are on screen
    WholeResult,  // the final stage showed a whole number
};

using Stage = std::function<StageEnd()>;

// How a row says what it wrote: the line of the stage that ran last, and the whole calculation
// in one sentence, for "="; and what its picture draws.
struct RowWords {
    std::function<std::string()> lastLine;
    std::function<std::string()> summary;
    picture::Kind picture = picture::Kind::Addition;
};

// What every row does alike: the clearing of its results, the "=" that runs every stage at once
// (and refuses in step mode), the step-mode box, and one step button per stage. The state of a
// sequence is nothing but which step button is enabled.
class StepSequence {
  public:
    // One stage per step button, in order; all of them run inside the failure trap.
    StepSequence(const RowControls& controls, const kit::Messenger& messenger,
                 std::vector<Stage> stages, RowWords words);
    StepSequence(const StepSequence&) = delete;
    StepSequence& operator=(const StepSequence&) = delete;
    StepSequence(StepSequence&&) = delete;
    StepSequence& operator=(StepSequence&&) = delete;
    ~StepSequence() = default;

    void disableSteps() const;

  private:
    void switchMode();
    void calculateAtOnce();
    void step(std::size_t index);
    // Enables the next step button and disables the pressed one.
    void handOn(std::size_t index, ui::Control& next) const;
    void clear();
    void tell(std::string sentence) const;
    void sketch(int stage);

    const RowControls& controls_;
    const kit::Messenger& messenger_;
    std::vector<Stage> stages_;
    RowWords words_;
    // The row as its picture sees it: the stage is the last step done.
    kit::SketchedTask sketch_;
};

}  // namespace talvera::details
