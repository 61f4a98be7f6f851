#include "scenario.h"

#include <sstream>

namespace talvera::scenarios {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Splits a line into words; a word in double quotes may hold blanks or be empty, with a
// backslash escaping a quote or a backslash. Returns false on an unterminated quote.
bool splitWords(const std::string& line, std::vector<std::string>& words) {
    std::size_t i = 0;
    while (true) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        if (i >= line.size() || line[i] == '#') {
            return true;
        }
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) {
                    word.push_back(line[i++]);
                } else {
                    word.push_back(c);
                }
            }
            if (!closed) {
                return false;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                word.push_back(line[i++]);
            }
        }
        words.push_back(std::move(word));
    }
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
