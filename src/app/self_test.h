#pragma once

// talvera --self-test: one short session on real widgets, run by the installed program itself,
// since only it carries the installed pictures and meets the installed fonts and Qt plugins.
// Prints each check on standard output; returns the exit status (0 when all passed).

namespace talvera::app {

int runSelfTest();

}  // namespace talvera::app
