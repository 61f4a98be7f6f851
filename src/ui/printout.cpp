#include "ui/printout.h"

#include "ui/form.h"

namespace talvera::ui::printout {

namespace {

constexpr std::string_view emptyBox = "[ ]";

std::string pieceText(const Piece& piece) {
    if (const auto* words = std::get_if<Words>(&piece)) {
        return words->text;
    }
    if (const auto* fraction = std::get_if<Fraction>(&piece)) {
        const bool toFill = fraction->numerator.empty() && fraction->denominator.empty();
        return toFill ? std::string(emptyBox) + "/" + std::string(emptyBox)
                      : fraction->numerator + "/" + fraction->denominator;
    }
    return std::string(emptyBox);
}

std::string lineText(const Line& line) {
    std::string text;
    for (const Piece& piece : line) {
        text += (text.empty() ? "" : " ") + pieceText(piece);
    }
    return text;
}

struct Describer {
    std::string& out;
    void operator()(const Paragraph& paragraph) const { out += paragraph.text + '\n'; }
    void operator()(const Columns& columns) const {
        for (const Cell& cell : columns.cells) {
            for (const Line& line : cell.lines) {
                out += lineText(line) + '\n';
            }
        }
    }
    void operator()(const Snapshot& snapshot) const {
        out += "window " + (snapshot.form != nullptr ? snapshot.form->name() : "?") + '\n';
    }
};

}  // namespace

std::string describe(const Document& document) {
    std::string out;
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        out += "page " + std::to_string(i + 1) + '\n';
        for (const Element& element : document.pages[i].elements) {
            std::visit(Describer{out}, element);
        }
    }
    return out;
}

}  // namespace talvera::ui::printout
