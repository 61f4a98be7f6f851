#include "ui/drawing.h"

#include <array>
#include <charconv>

namespace talvera::ui {

namespace {

std::string number(double value) {
    std::array<char, 32> text{};
    auto* const end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), end};
}

std::string quoted(const std::string& text) {
    std::string result = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            result += '\\';
        }
        result += c;
    }
    return result + '"';
}

std::string series(Series value) {
    return "s" + std::to_string(static_cast<int>(value));
}

std::string line(const Bar& bar) {
    std::string text = "bar " + series(bar.series) + " " + quoted(bar.label);
    if (!bar.factor.empty()) {
        text += " " + quoted(bar.factor);
    }
    text += " length " + number(bar.length) + " units " + std::to_string(bar.units) + " parts " +
            std::to_string(bar.parts) + " runs";
    for (const Run& run : bar.runs) {
        text += " " + series(run.series) + " " + number(run.start) + "+" + number(run.length) +
                (run.takenAway ? " taken" : "");
    }
    return text;
}

std::string line(const Grid& grid) {
    return "grid " + series(grid.series) + " " + quoted(grid.label) + " " + number(grid.across) +
           "x" + number(grid.down) + " squares " + std::to_string(grid.squaresAcross) + "x" +
           std::to_string(grid.squaresDown) + " parts " + std::to_string(grid.columns) + "x" +
           std::to_string(grid.rows) + " shaded " + number(grid.width) + "x" + number(grid.height);
}

std::string line(const NumberLine& numberLine) {
    std::string text = "line ";
    for (std::size_t i = 0; i < numberLine.ticks.size(); ++i) {
        text += (i == 0 ? "" : "|") + numberLine.ticks[i];
    }
    for (const Mark& mark : numberLine.marks) {
        text += " mark " + series(mark.series) + " " + number(mark.at) + " " + quoted(mark.label);
    }
    for (const Jump& jump : numberLine.jumps) {
        text += " jump " + series(jump.series) + " " + number(jump.from) + ".." + number(jump.to) +
                " " + quoted(jump.label);
    }
    return text;
}

std::string line(const Label& label) {
    return "label " + series(label.series) + " " + quoted(label.text);
}

std::string line(const Note& note) {
    return "note " + quoted(note.text);
}

}  // namespace

std::string describe(const Figure& figure) {
    return std::visit([](const auto& shape) { return line(shape); }, figure);
}

std::string describe(const Drawing& drawing) {
    std::string text = drawing.heading + "\n";
    for (const Figure& figure : drawing.figures) {
        text += describe(figure) + "\n";
    }
    return text;
}

}  // namespace talvera::ui
