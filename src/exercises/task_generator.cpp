#include "exercises/task_generator.h"

#include <algorithm>

#include "exercises/task_draws.h"

namespace talvera::exercises {

namespace {

// Draws that find only tasks already given before the kind and level are taken as run out.
constexpr int maxDraws = 400;

// What makes two tasks the same: their terms, and for a sum or a product not their order.
std::string keyOf(Kind kind, const std::vector<core::Fraction>& fractions) {
    std::vector<std::string> parts;
    parts.reserve(fractions.size());
    for (const core::Fraction& fraction : fractions) {
        parts.push_back(fraction.numerator.toString() + "/" + fraction.denominator.toString());
    }
    if (kind == Kind::Addition || kind == Kind::Multiplication) {
        std::ranges::sort(parts);
    }
    std::string key;
    for (const std::string& part : parts) {
        key += part + " ";
    }
    return key;
}

}  // namespace

Task TaskGenerator::next(Kind kind, Level level) {
    Memory& memory = memories_[{kind, level}];
    for (int draw = 0; draw < maxDraws; ++draw) {
        std::vector<core::Fraction> fractions = drawFractions(kind, level, random_);
        if (memory.given.insert(keyOf(kind, fractions)).second) {
            return makeTask(kind, level, std::move(fractions));
        }
    }
    memory.given.clear();
    ++memory.restarts;
    std::vector<core::Fraction> fractions = drawFractions(kind, level, random_);
    memory.given.insert(keyOf(kind, fractions));
    return makeTask(kind, level, std::move(fractions));
}

int TaskGenerator::restarts(Kind kind, Level level) const {
    const auto memory = memories_.find({kind, level});
    return memory == memories_.end() ? 0 : memory->second.restarts;
}

}  // namespace talvera::exercises
