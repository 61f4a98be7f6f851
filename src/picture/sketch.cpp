#include "picture/sketch.h"

#include <algorithm>
#include <string_view>

namespace talvera::picture {

namespace {

constexpr std::array<std::string_view, 3> crowdingNotes{
    "Partes demasiado pequenas para se desenharem uma a uma.",
    "Demasiadas unidades para se desenharem uma a uma.",
    "Demasiados saltos para se desenharem um a um.",
};

}  // namespace

Sketch::Sketch(int first, int shown)
    : first_(first),
      shown_(std::max(first, shown)),
      words_(static_cast<std::size_t>(shown_ - first_ + 1)) {}

void Sketch::say(int stage, const std::string& sentence) {
    if (stage < first_ || !shows(stage)) {
        return;
    }
    std::string& words = words_.at(static_cast<std::size_t>(stage - first_));
    words += (words.empty() ? "" : " ") + sentence;
}

void Sketch::problem(const std::string& sentence) {
    add(ui::Note{sentence});
    say(first_, sentence);
}

ui::Drawing Sketch::finish(std::string heading) && {
    // A stage that a bad term left without figures still says something when it is announced.
    for (std::string& words : words_) {
        if (words.empty()) {
            words = "Nada a desenhar neste passo.";
        }
    }
    for (std::size_t i = 0; i < crowded_.size(); ++i) {
        if (crowded_.at(i)) {
            figures_.emplace_back(ui::Note{std::string(crowdingNotes.at(i))});
        }
    }
    return {std::move(heading), std::move(figures_), std::move(words_)};
}

}  // namespace talvera::picture
