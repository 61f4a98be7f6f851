#include "scenario.h"

#include <sstream>

namespace talvera::scenarios {

namespace {

constexpr const char* blanks = " \t\r";

// Splits a line into words; a word in double quotes may hold blanks or be empty, with a
// backslash escaping a quote or a backslash. Returns false on an unterminated quote.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
    for (std::size_t i = line.find_first_not_of(blanks); i != std::string::npos && line[i] != '#';
         i = line.find_first_not_of(blanks, i)) {
        if (line[i] != '"') {
            const std::size_t end = line.find_first_of(blanks, i);
            words.push_back(line.substr(i, end - i));
            i = end;
            continue;
        }
        std::string word;
        for (++i; i < line.size() && line[i] != '"'; ++i) {
            if (line[i] == '\\' && i + 1 < line.size() &&
                (line[i + 1] == '"' || line[i + 1] == '\\')) {
                ++i;
            }
            word.push_back(line[i]);
        }
        if (i == line.size()) {
            return false;
        }
        words.push_back(std::move(word));
        ++i;
    }
    return true;
}

}  // namespace

Scenario parseScenario(const std::string& file, const std::string& contents) {
    Scenario scenario{file, {}, {}};
    std::istringstream lines(contents);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        Step step{number, {}};
        if (!splitWords(line, step.words)) {
            scenario.syntaxErrors.push_back(std::to_string(number) + ": unterminated quote");
            continue;
        }
        if (!step.words.empty()) {
            scenario.steps.push_back(std::move(step));
        }
    }
    return scenario;
}

}  // namespace talvera::scenarios
