#pragma once

#include <functional>
#include <vector>

#include "ui/control.h"

namespace talvera::kit {

// The clearing pattern of every task on both work pages: an edit of a term box clears the task's
// results, "Apagar resultado" does the same, and "Apagar tudo" does it and then empties the term
// boxes in the given order (each emptying is an edit, so it clears once more).
void wireClearing(const std::vector<ui::Control*>& termBoxes, ui::Control& clearResult,
                  ui::Control& clearAll, const std::function<void()>& clearResults);

}  // namespace talvera::kit
