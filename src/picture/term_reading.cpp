#include "picture/term_reading.h"

#include <algorithm>
#include <string_view>

#include "core/capacity_error.h"
#include "core/number_reading.h"
#include "picture/wording.h"

namespace talvera::picture {

namespace {

// A whole term, or the sentence that says why the box does not hold one.
struct Term {
    std::optional<Integer> value;
    std::string problem;
};

Term readTerm(std::string_view typed, const std::string& name) {
    const std::string_view text = core::termText(typed);
    if (text.empty()) {
        return {std::nullopt, name + " está vazio."};
    }
    std::optional<core::Decimal> number;
    try {
        number = core::Decimal::parse(text);
    } catch (const core::CapacityError&) {
        return {std::nullopt, name + " é grande demais para o programa."};
    }
    if (!number) {
        return {std::nullopt, name + " não é um número."};
    }
    if (!number->isWhole()) {
        return {std::nullopt, name + " não é um número inteiro."};
    }
    return {wholeOf(*number), {}};
}

}  // namespace

bool ReadFractions::complete() const {
    return std::ranges::all_of(fractions,
                               [](const auto& fraction) { return fraction.has_value(); });
}

ReadFractions readFractions(std::span<const std::string> texts, int count) {
    const auto typed = [texts](std::size_t index) {
        return index < texts.size() ? std::string_view(texts[index]) : std::string_view();
    };
    ReadFractions read;
    for (int i = 0; i < count; ++i) {
        const std::string of = " da " + std::string(words::role(i, count));
        const std::size_t index = 2 * static_cast<std::size_t>(i);
        Term numerator = readTerm(typed(index), "O numerador" + of);
        Term denominator = readTerm(typed(index + 1), "O denominador" + of);
        for (const Term* term : {&numerator, &denominator}) {
            if (!term->problem.empty()) {
                read.problems.push_back(term->problem);
            }
        }
        if (denominator.value == 0) {
            read.problems.push_back("O denominador" + of +
                                    " é zero, e a unidade não se divide em zero partes.");
            denominator.value.reset();
        }
        read.fractions.push_back(
            numerator.value && denominator.value
                ? std::optional<Fraction>({*numerator.value, *denominator.value})
                : std::nullopt);
    }
    return read;
}

}  // namespace talvera::picture
