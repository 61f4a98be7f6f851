#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

// Builders for the kinds of control that both work pages repeat, in the pages' shared look.
// Positions are in twips, relative to the container.
namespace talvera::kit::layout {

inline constexpr int boxWidth = 915;
inline constexpr int boxHeight = 330;

ui::Control& titledFrame(ui::Form& form, std::string name, const ui::Control* container,
                         ui::Rect place, std::string caption);

// A borderless panel laid over other controls, hidden until a result calls for it.
ui::Control& panel(ui::Form& form, std::string name, const ui::Control* container, ui::Rect place);

struct BoxStyle {
    ui::Font font;
    ui::Border border = ui::Border::Sunken;
    int width = boxWidth;
};

// The name a control goes by: its object name, and what a screen reader calls it.
struct Naming {
    std::string name;
    std::string spoken;
};

// A box the user types a term into.
ui::Control& termBox(ui::Form& form, Naming naming, const ui::Control* container, int left, int top,
                     std::string text, int maxLength, const BoxStyle& style);

// A read-only box that only the program writes, skipped by Tab.
ui::Control& resultBox(ui::Form& form, Naming naming, const ui::Control* container, int left,
                       int top, const BoxStyle& style);

// A horizontal fraction bar from x1 to x2 at height y.
ui::Control& fractionBar(ui::Form& form, std::string name, const ui::Control* container, int x1,
                         int x2, int y, int widthPixels = 1);

ui::Control& signLabel(ui::Form& form, std::string name, const ui::Control* container,
                       ui::Rect place, std::string sign);

// The button that computes the task named by the noun (see spoken_names.h).
ui::Control& equalsButton(ui::Form& form, std::string name, std::string_view taskNoun,
                          const ui::Control* container, int left, int top,
                          std::string caption = "=");

// Enter in any of the boxes presses the button: each calculator's term boxes and its "=".
void pressOnEnter(const std::vector<ui::Control*>& boxes, ui::Control& button);

enum class Clearing { Result, All };
ui::Control& clearButton(ui::Form& form, std::string name, std::string_view taskNoun,
                         const ui::Control* container, int left, int top, Clearing what);

// The work pages' tab order: terms and buttons in the order they are laid out, then every
// clearing button.
class TabOrder {
  public:
    ui::Control& tabbed(ui::Control& control) {
        tabbed_.push_back(&control);
        return control;
    }
    ui::Control& clearing(ui::Control& control) {
        clearing_.push_back(&control);
        return control;
    }
    void applyTo(ui::Form& form) const;

  private:
    std::vector<const ui::Control*> tabbed_;
    std::vector<const ui::Control*> clearing_;
};

}  // namespace talvera::kit::layout
