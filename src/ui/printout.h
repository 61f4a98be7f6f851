#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace talvera::ui {
class Form;
}

// Something to print, as data: pages of paragraphs, of exercises in two columns and of windows
// as they stand. The view lays it out on its own paper; a long page runs on to the next sheet.
namespace talvera::ui::printout {

enum class Style : std::uint8_t { Title, Subtitle, Plain, Small };

struct Paragraph {
    Style style = Style::Plain;
    std::string text;
    friend bool operator==(const Paragraph&, const Paragraph&) = default;
};

// Pieces of a line, side by side: words; a fraction, numerator over denominator, or two empty
// boxes over each other to write one in when both terms are empty; an empty box as wide as that
// many characters, to write a decimal or a sign in.
struct Words {
    std::string text;
    friend bool operator==(const Words&, const Words&) = default;
};

struct Fraction {
    std::string numerator{};
    std::string denominator{};
    friend bool operator==(const Fraction&, const Fraction&) = default;
};

struct Blank {
    int characters = 2;
    friend bool operator==(const Blank&, const Blank&) = default;
};

using Piece = std::variant<Words, Fraction, Blank>;
using Line = std::vector<Piece>;

// One exercise or one solution: its lines, top to bottom.
struct Cell {
    std::vector<Line> lines;
    friend bool operator==(const Cell&, const Cell&) = default;
};

// Cells in two columns, filled row by row.
struct Columns {
    std::vector<Cell> cells;
    friend bool operator==(const Columns&, const Columns&) = default;
};

// A window of the program as it is on screen, fitted to the width of the paper.
struct Snapshot {
    const Form* form = nullptr;
    friend bool operator==(const Snapshot&, const Snapshot&) = default;
};

using Element = std::variant<Paragraph, Columns, Snapshot>;

struct Page {
    std::vector<Element> elements;
    friend bool operator==(const Page&, const Page&) = default;
};

struct Document {
    std::string title;  // what a print queue or a file calls it
    std::vector<Page> pages;
    friend bool operator==(const Document&, const Document&) = default;
};

// One line per page, paragraph, line of a cell and snapshot, in a fixed form that tests and
// scenario files can expect, each ending in a line feed:
//   page 2
//   Soluções                      (a paragraph: its text)
//   1. 1/4 + 15/6 = [ ]/[ ]       (a line: its pieces joined by blanks, an empty box as [ ])
//   window Form2                  (a snapshot: the form's name)
std::string describe(const Document& document);

}  // namespace talvera::ui::printout
