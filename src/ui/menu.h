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
};

}  // namespace talvera::ui
