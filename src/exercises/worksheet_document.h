#pragma once

#include "exercises/worksheet.h"
#include "ui/printout.h"

namespace talvera::exercises {

// A worksheet as it is printed: the name line, the title, the kinds and level and the sheet's
// number; the exercises in two columns with empty boxes to write the answers in; then, from a
// page of their own, the solutions with the Details page's lines for + - x :.
ui::printout::Document worksheetDocument(const Worksheet& sheet);

}  // namespace talvera::exercises
