#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// A picture as data: what a painter draws, figure by figure, top to bottom, with the words a
// screen reader says about it. Lengths are doubles, converted once from exact values; a count that
// is drawn one piece at a time is an int, and 0 when there are too many pieces to draw.
namespace talvera::ui {

// Which fraction a figure stands for. The painter gives each its own colour and pattern (solid,
// hatched, dotted), so that the first, the second and the result never look alike.
enum class Series : std::uint8_t { First, Second, Result };

// A stretch along a bar, in unit bars from the bar's left end.
struct Run {
    Series series = Series::First;
    double start = 0;
    double length = 0;
    bool takenAway = false;  // crossed out over what lies under it, instead of shaded
    friend bool operator==(const Run&, const Run&) = default;
};

// Unit bars laid end to end, each cut into equal parts, with runs shaded or taken away.
struct Bar {
    Series series = Series::First;
    std::string label{};   // "15/6"; a negative value's reads "menos 1/4"
    std::string factor{};  // beside the bar, "× 3": each part is cut into 3; empty for none
    double length = 1;     // unit bars spanned: a whole number, at least 1
    int units = 1;         // the same, when few enough to outline one by one; else 0
    int parts = 1;         // parts in each unit bar, when few enough to draw one by one; else 0
    std::vector<Run> runs{};
    friend bool operator==(const Bar&, const Bar&) = default;
};

// Unit squares in a block, each cut into columns and rows. The first fraction shades columns from
// the left, the second rows from the top; where they overlap is the product.
struct Grid {
    Series series = Series::Result;  // the overlap's
    std::string label{};             // "6 de 12 partes"
    double across = 1;               // squares side by side: a whole number, at least 1
    double down = 1;                 // squares one under another: the same
    int squaresAcross = 1;           // across and down, when few enough to outline; else 0
    int squaresDown = 1;
    int columns = 1;  // in each square, when few enough to draw one by one; else 0
    int rows = 1;
    double width = 0;   // the shaded columns, in squares
    double height = 0;  // the shaded rows, in squares
    friend bool operator==(const Grid&, const Grid&) = default;
};

// Positions on a number line are counted in tick intervals from its left end.
struct Mark {
    Series series = Series::First;
    double at = 0;
    std::string label{};
    friend bool operator==(const Mark&, const Mark&) = default;
};

// An arc over the line from one position to another.
struct Jump {
    Series series = Series::First;
    double from = 0;
    double to = 0;
    std::string label{};
    friend bool operator==(const Jump&, const Jump&) = default;
};

struct NumberLine {
    // Evenly spaced from end to end, each with its label (empty: a tick without one).
    std::vector<std::string> ticks{};
    std::vector<Mark> marks{};
    std::vector<Jump> jumps{};
    friend bool operator==(const NumberLine&, const NumberLine&) = default;
};

// A line of working in the colour of its series: "m.m.c. (4, 6) = 12", or a sign "<".
struct Label {
    Series series = Series::Result;
    std::string text{};
    friend bool operator==(const Label&, const Label&) = default;
};

// A plain sentence under the picture.
struct Note {
    std::string text{};
    friend bool operator==(const Note&, const Note&) = default;
};

using Figure = std::variant<Bar, Grid, NumberLine, Label, Note>;

struct Drawing {
    std::string heading{};
    std::vector<Figure> figures{};  // top to bottom
    // What a screen reader says, one entry per stage shown, so that a new stage is read alone.
    std::vector<std::string> words{};
    friend bool operator==(const Drawing&, const Drawing&) = default;
};

// One line per figure, in a fixed form that tests and scenario files can expect:
//   bar s1 "15/6" "× 2" length 3 units 3 parts 6 runs s1 0+2.5
//   grid s2 "6 de 12 partes" 1x1 squares 1x1 parts 3x4 shaded 0.6666666666666666x0.75
//   line 0|0.5|1 mark s0 0.5 "1/4" jump s1 0..0.7 "1"
//   label s2 "m.m.c. (4, 6) = 12"
//   note "Partes demasiado pequenas para se desenharem uma a uma."
// Numbers are the shortest text that reads back as the same double.
std::string describe(const Figure& figure);

// The heading, then each figure's line, each line ending in a line feed.
std::string describe(const Drawing& drawing);

}  // namespace talvera::ui
