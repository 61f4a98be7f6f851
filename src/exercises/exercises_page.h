#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "exercises/exercises_layout.h"
#include "exercises/resolver.h"
#include "exercises/score.h"
#include "exercises/task_generator.h"
#include "kit/messenger.h"
#include "kit/page_context.h"
#include "kit/sketcher.h"
#include "ui/page.h"

namespace talvera::exercises {

// Form5, "EXERCÍCIOS": one exercise at a time, of the kind and level chosen, checked as the pupil
// answers, with the session's score; after two wrong tries the resolver shows how it is done.
// The seed gives the session's tasks, so that a run can be repeated.
class ExercisesPage : public ui::Page {
  public:
    ExercisesPage(const kit::PageContext& context, std::uint64_t seed, Resolver& resolver);

    // What a worksheet starts from.
    Kind chosenKind() const;
    Level chosenLevel() const;

  private:
    void newTask();
    void showShape(Kind kind);
    void writeTerms(const Task& task);
    void checkAnswer();
    void judge(const std::vector<std::string>& boxes);
    void finishTask();
    void tell(std::string sentence);

    kit::Messenger messenger_;
    ExercisesControls controls_;
    TaskGenerator generator_;
    Resolver& resolver_;
    Score score_;
    std::optional<Task> task_;
    kit::SketchedTask sketch_;
};

}  // namespace talvera::exercises
