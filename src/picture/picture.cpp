#include "picture/picture.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "core/number_reading.h"
#include "picture/sketch.h"
#include "picture/task_pictures.h"

namespace talvera::picture {

namespace {

// What the heading calls each task, and how the heading lays its boxes out.
enum class Layout { TwoFractions, Relation, OneFraction, Decimal };

struct KindDesign {
    std::string_view name;
    Layout layout;
    std::string_view sign;  // between the two fractions
    int first;              // the stage that holds the terms
    int last;
    void (*draw)(Sketch&, std::span<const std::string>);
};

const std::array<KindDesign, 8> designs{{
    {"Adição", Layout::TwoFractions, "+", 1, 5,
     [](Sketch& s, std::span<const std::string> t) { drawSum(s, t, false); }},
    {"Subtracção", Layout::TwoFractions, "-", 1, 5,
     [](Sketch& s, std::span<const std::string> t) { drawSum(s, t, true); }},
    {"Multiplicação", Layout::TwoFractions, "×", 0, 2, drawProduct},
    {"Divisão", Layout::TwoFractions, ":", 0, 3, drawQuotient},
    {"Simplificação", Layout::OneFraction, "", 0, 1, drawSimplification},
    {"Comparação", Layout::Relation, "?", 0, 1, drawComparison},
    {"Conversão de fracção em dízima", Layout::OneFraction, "", 0, 1, drawToDecimal},
    {"Conversão de dízima em fracção", Layout::Decimal, "", 0, 1, drawToFraction},
}};

const KindDesign& designOf(Kind kind) {
    return designs.at(static_cast<std::size_t>(kind));
}

// A box's text as the heading shows it: without its outer blanks, "?" when empty, and cut short
// (at a character's start) when longer than a box is wide.
std::string boxText(std::span<const std::string> texts, std::size_t index) {
    constexpr std::size_t widest = 30;
    const std::string_view text =
        index < texts.size() ? core::termText(texts[index]) : std::string_view();
    if (text.empty()) {
        return "?";
    }
    if (text.size() <= widest) {
        return std::string(text);
    }
    std::size_t cut = widest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0U) == 0x80U) {
        --cut;
    }
    return std::string(text.substr(0, cut)) + "…";
}

std::string headingOf(const KindDesign& design, std::span<const std::string> texts,
                      const std::optional<std::string>& result) {
    const auto fraction = [texts](std::size_t i) {
        return boxText(texts, 2 * i) + "/" + boxText(texts, 2 * i + 1);
    };
    const std::string ending = result ? " " + *result : "";
    const std::string start = std::string(design.name) + ": ";
    switch (design.layout) {
        case Layout::TwoFractions:
            return start + fraction(0) + " " + std::string(design.sign) + " " + fraction(1) +
                   ending;
        case Layout::Relation:
            return start + fraction(0) + " " + result.value_or(std::string(design.sign)) + " " +
                   fraction(1);
        case Layout::OneFraction:
            return start + fraction(0) + ending;
        case Layout::Decimal:
            break;
    }
    return start + boxText(texts, 0) + ending;
}

}  // namespace

int lastStage(Kind kind) {
    return designOf(kind).last;
}

ui::Drawing draw(const Task& task) {
    const KindDesign& design = designOf(task.kind);
    const int shown = std::clamp(task.stage, design.first, design.last);
    Sketch sketch(design.first, shown);
    design.draw(sketch, task.texts);
    // A stage short of the last leaves the result unsaid, even where it is already known.
    const std::optional<std::string> result = shown == design.last ? sketch.result() : std::nullopt;
    return std::move(sketch).finish(headingOf(design, task.texts, result));
}

}  // namespace talvera::picture
