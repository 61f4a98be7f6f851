#pragma once

// What the command line asks for. --help and --version are answered before any window system is
// touched, so that they work on a machine without a display, as Debian's desktop programs do;
// every other option is QApplication's to read, and what it leaves is refused.

#include <string>
#include <string_view>
#include <vector>

namespace talvera::app {

enum class Request {
    Run,       // open the title page
    Help,      // print the usage on standard output
    Version,   // print the version on standard output
    SelfTest,  // check the installation offscreen and say whether it works
    Mistake,   // print why on standard error
};

struct CommandLine {
    Request request = Request::Run;
    std::string output;  // for standard output
    std::string error;   // for standard error
    int exitStatus = 0;  // meaningful for every request but Run and SelfTest
};

// The arguments after the program's own name, before QApplication has seen them: help, version or
// the self-test; anything else is left for QApplication.
CommandLine readCommandLine(const std::vector<std::string_view>& arguments,
                            std::string_view version);

// What QApplication left of the arguments after the program's own name: the program's own options
// are passed over, and anything else is a mistake.
CommandLine refuseLeftovers(const std::vector<std::string_view>& leftovers);

}  // namespace talvera::app
