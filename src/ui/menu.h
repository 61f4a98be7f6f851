#pragma once

#include <functional>
#include <string>
#include <vector>

namespace talvera::ui {

// A menu of the menu bar: a drop-down when it has items, otherwise a command of the bar itself.
struct MenuItem {
    std::string name;
    std::string caption;
    std::function<void()> onChoose{};
    std::vector<MenuItem> items{};
    // The letter of the caption that Alt with it chooses the item by; 0 for none.
    char accessKey = 0;
    // Keys that choose the item from anywhere in its window, written as Qt writes them ("Ctrl++").
    std::vector<std::string> shortcuts{};
    // A checkable item ticks or unticks as it is chosen, before its handler runs.
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
    std::string tooltip{};  // what more the item says, such as why it is off
};

}  // namespace talvera::ui
