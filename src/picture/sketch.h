#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "ui/drawing.h"

namespace talvera::picture {

// What a figure had too many of to draw one by one.
enum class Crowding { Parts, Units, Jumps };

// A drawing as it is built: the figures of the stages shown, each stage's sentences, a note for
// each kind of crowding met, and the result the heading ends with once the last stage is shown.
class Sketch {
  public:
    // Stages first to shown are shown; a task's first stage holds its terms.
    Sketch(int first, int shown);

    bool shows(int stage) const { return stage <= shown_; }
    void add(ui::Figure figure) { figures_.push_back(std::move(figure)); }
    // A sentence of a stage's words; one of a stage not shown is dropped.
    void say(int stage, const std::string& sentence);
    // A term that could not be read: a note under the picture, and said with the terms.
    void problem(const std::string& sentence);
    void crowded(Crowding what) { crowded_.at(static_cast<std::size_t>(what)) = true; }

    void settle(std::string result) { result_ = std::move(result); }
    const std::optional<std::string>& result() const { return result_; }

    ui::Drawing finish(std::string heading) &&;

  private:
    int first_;
    int shown_;
    std::vector<ui::Figure> figures_;
    std::vector<std::string> words_;
    std::array<bool, 3> crowded_{};
    std::optional<std::string> result_;
};

}  // namespace talvera::picture
