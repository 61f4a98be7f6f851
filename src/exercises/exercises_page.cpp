#include "exercises/exercises_page.h"

#include "kit/styles.h"

namespace talvera::exercises {

ExercisesPage::ExercisesPage(const kit::PageContext& /*context*/)
    : Page("Form5", "EXERCÍCIOS", kit::styles::pageSize) {}

}  // namespace talvera::exercises
