#pragma once

#include <ostream>
#include <string>

#include "driver.h"
#include "scenario.h"

namespace talvera::scenarios {

// Runs one scenario from a fresh start and prints "FILE:LINE: expected ..., found ..." for each
// failure. Returns whether every line held.
bool runScenario(const Scenario& scenario, Driver& driver, std::ostream& out);

}  // namespace talvera::scenarios
