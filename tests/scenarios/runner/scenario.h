#pragma once

#include <string>
#include <vector>

namespace talvera::scenarios {

// One line of a scenario file, split into its words; quoted words are unquoted.
struct Step {
    int line = 0;
    std::vector<std::string> words;
};

struct Scenario {
    std::string file;
    std::vector<Step> steps;
    std::vector<std::string> syntaxErrors;  // "LINE: what is wrong"
};

Scenario parseScenario(const std::string& file, const std::string& contents);

}  // namespace talvera::scenarios
