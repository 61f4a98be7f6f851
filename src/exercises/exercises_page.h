#pragma once

#include "kit/page_context.h"
#include "ui/page.h"

namespace talvera::exercises {

// Form5, "EXERCÍCIOS": one exercise at a time, checked as the pupil answers.
class ExercisesPage : public ui::Page {
  public:
    explicit ExercisesPage(const kit::PageContext& context);
};

}  // namespace talvera::exercises
