#pragma once

#include <ostream>
#include <string>

#include "driver.h"
#include "scenario.h"

// The format of a scenario file, one line each (tests/scenarios/README.md says more):
//   # comment; a word with blanks, or empty, in double quotes, with \" and \\ inside
//   start | window FORM | menu CAPTION | close
//   type BOX TEXT | type-repeated BOX TEXT COUNT | terms TASK T1 T2 [T3 T4]
//   click CONTROL... | focus CONTROL | key CONTROL KEY | zoom in|out|normal
//   message TEXT | message-plain TEXT         the next message box, with or without its icon
//   expect text|caption CONTROL TEXT | expect fraction NBOX DBOX N/D
//   expect text-repeated BOX TEXT COUNT
//   expect visible|hidden|enabled|disabled|ticked|unticked CONTROL...
//   expect menu-ticked|menu-unticked|menu-enabled|menu-disabled CAPTION
//   expect open|closed FORM | expect ended | expect focused CONTROL | expect zoom PERCENT
//   expect description CONTROL TEXT | expect announced TEXT | expect said TEXT
//   expect name CONTROL TEXT | expect place CONTROL "LEFT TOP" | expect in-front CONTROL OTHER
//   expect drawing CONTROL LINE
namespace talvera::scenarios {

// Runs one scenario from a fresh start and prints "FILE:LINE: expected ..., found ..." for each
// failure. Returns whether every line held.
bool runScenario(const Scenario& scenario, Driver& driver, std::ostream& out);

}  // namespace talvera::scenarios
