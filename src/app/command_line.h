#pragma once

// What the command line asks for, decided before any window system is touched, so that --help
// and --version answer on a machine without a display, as Debian's desktop programs do.

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

// The arguments after the program's own name. Qt's common options (-platform, -style, -session
// from the session manager, ...) are left for QApplication to read.
CommandLine readCommandLine(const std::vector<std::string_view>& arguments,
                            std::string_view version);

}  // namespace talvera::app
