#pragma once

#include <string_view>

#include "ui/control.h"
#include "ui/form.h"

// What a person can do to a form, kept apart from what the program writes: each entry point
// refuses what a person could not do and returns whether anything happened.
namespace talvera::ui::user {

// Replaces the whole text of a text box, as selecting all and typing does. A read-only or
// unreachable box refuses; typing stops at the box's maximum length.
bool type(Control& box, std::string_view text);

// Clicks a button, or ticks or unticks a check box (which toggles before its handler runs).
bool click(Control& control);

// Chooses the item with that text from a combo box's list.
bool choose(Control& list, std::string_view item);

// Moves the keyboard focus to a control the user can reach.
bool focus(Control& control);

// Enter on a control: a box presses its calculator's "=", a button is pressed; anything else
// does nothing.
bool pressEnter(Control& control);

// A key that the window acts on wherever its focus is; false when the window has no use for it.
bool pressKey(Form& form, FormKey key);

// Chooses the menu item with that caption, on the menu bar or in one of its drop-downs.
bool choose(Form& form, std::string_view caption);

// The window's own close control.
void close(Form& form);

}  // namespace talvera::ui::user
