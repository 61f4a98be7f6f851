#pragma once

#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "picture/picture.h"
#include "ui/form.h"

namespace talvera::kit {

// A task of a work page as its picture sees it: what it is, the boxes its terms are typed into,
// and how far its working has gone.
struct SketchedTask {
    picture::Kind kind = picture::Kind::Addition;
    std::vector<ui::Control*> terms;
    int stage = 0;  // 0 before "=", the step reached, or picture::allStages
};

// Follows the task the user last worked in on either work page: the one whose box has the focus,
// or whose button was last pressed. Whoever draws its picture is told each time.
class Sketcher {
  public:
    using Listener = std::function<void(const picture::Task&)>;

    // The picture window, while it is open; nothing to tell otherwise.
    void setListener(Listener listener) { listener_ = std::move(listener); }

    // A page's task, known by the frames that hold its controls; it lives as long as its form.
    void add(const std::vector<const ui::Control*>& frames, const SketchedTask& task);
    // A form closes: its tasks go with it; the last picture stays as it was.
    void forget(const ui::Form& form);
    // Follows the focus of a form: a box of a task that takes it makes that task the last.
    void follow(ui::Form& form);

    // The task was worked in: a press, a step, an edit or a clearing.
    void worked(const SketchedTask& task);
    // The task last worked in, as its boxes stood then; nothing before the first.
    const std::optional<picture::Task>& last() const { return last_; }

  private:
    void focused(const ui::Control* control);

    struct Entry {
        const ui::Control* frame;
        const SketchedTask* task;
    };
    std::vector<Entry> tasks_;
    std::optional<picture::Task> last_;
    Listener listener_;
};

}  // namespace talvera::kit
