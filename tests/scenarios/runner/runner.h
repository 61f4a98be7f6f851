#pragma once

#include <ostream>
#include <string>

#include "driver.h"
#include "scenario.h"

namespace talvera::scenarios {

// The lines a scenario may hold, and what each does, are described in tests/scenarios/README.md.
// Runs one scenario from a fresh start and prints "FILE:LINE: expected ..., found ..." for each
// failure. Returns whether every line held.
bool runScenario(const Scenario& scenario, Driver& driver, std::ostream& out);

}  // namespace talvera::scenarios
