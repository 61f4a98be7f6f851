#include "program_texts.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "details/details_texts.h"
#include "exercises/exercise_texts.h"
#include "kit/messages.h"
#include "operations/operations_texts.h"

namespace talvera::monkey {

namespace {

bool isCount(std::string_view text) {
    return !text.empty() && text.front() != '0' &&
           std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// "A dízima tem N parenteses ...", N a count of 2 or more.
bool isParenthesesCount(std::string_view text) {
    namespace texts = operations::texts;
    if (!text.starts_with(texts::tooManyPrefix)) {
        return false;
    }
    text.remove_prefix(texts::tooManyPrefix.size());
    for (const std::string_view ending : {texts::tooManyOpenings, texts::tooManyClosings}) {
        if (text.ends_with(ending)) {
            text.remove_suffix(ending.size());
            return isCount(text) && text != "1";
        }
    }
    return false;
}

void addTermMessages(std::vector<std::string_view>& known, const kit::TermSentences& sentences) {
    known.insert(known.end(),
                 {sentences.notNumeric, sentences.notWhole, sentences.zeroDenominator});
    if (!sentences.emptyTerm.empty()) {
        known.push_back(sentences.emptyTerm);
    }
    if (!sentences.negativeDenominator.empty()) {
        known.push_back(sentences.negativeDenominator);
    }
}

std::vector<std::string_view> knownMessages() {
    namespace shared = kit::messages;
    namespace operations = operations::texts;
    std::vector<std::string_view> known{
        shared::capacity,
        shared::divisorArgument,
        shared::negativeDenominators,
        shared::divisionByZero,
        operations::decimalNotNumeric,
        operations::decimalZeroDenominator,
        operations::noDecimalPart,
        operations::noIntegerPart,
        operations::tooManyPoints,
        operations::afterPeriod,
        operations::notDecimalNotation,
        details::texts::stepModeRefusal,
        exercises::texts::noRelation,
    };
    for (const kit::TermValidation* validation :
         {&operations::plural, &operations::singular, &operations::comparison,
          &details::texts::product, &details::texts::sum}) {
        addTermMessages(known, validation->sentences);
    }
    return known;
}

std::vector<std::string> knownVerdicts() {
    namespace texts = exercises::texts;
    std::vector<std::string> verdicts{
        "", std::string(texts::right), std::string(texts::wrong),
        std::string(texts::notLowestTerms) + "\n" + std::string(texts::notLowestTermsHint)};
    for (const texts::MistakeText& mistake : texts::mistakes) {
        verdicts.push_back(std::string(mistake.message) + "\n" + std::string(mistake.hint));
    }
    return verdicts;
}

}  // namespace

ProgramTexts::ProgramTexts() : known_(knownMessages()), verdicts_(knownVerdicts()) {}

bool ProgramTexts::isVerdict(const std::string& text) const {
    return std::ranges::find(verdicts_, text) != verdicts_.end();
}

bool ProgramTexts::contains(std::string_view text) const {
    return std::ranges::find(known_, text) != known_.end() || isParenthesesCount(text);
}

}  // namespace talvera::monkey
