#include "ui/user.h"

#include <algorithm>
#include <functional>
#include <string>

namespace talvera::ui::user {

namespace {

// Cuts a UTF-8 text after maxLength characters.
std::string_view firstCharacters(std::string_view text, int maxLength) {
    if (maxLength <= 0) {
        return text;
    }
    int count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U;
        if (startsCharacter && count++ == maxLength) {
            return text.substr(0, i);
        }
    }
    return text;
}

const MenuItem* findItem(const std::vector<MenuItem>& items, std::string_view caption) {
    for (const MenuItem& item : items) {
        if (item.caption == caption && item.items.empty()) {
            return &item;
        }
        if (const MenuItem* inner = findItem(item.items, caption)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace

bool type(Control& box, std::string_view text) {
    if (box.kind() != ControlKind::TextBox || box.design().readOnly || !box.reachable()) {
        return false;
    }
    box.setText(std::string(firstCharacters(text, box.design().maxLength)));
    return true;
}

bool click(Control& control) {
    const bool clickable =
        control.kind() == ControlKind::Button || control.kind() == ControlKind::CheckBox;
    if (!clickable || !control.reachable()) {
        return false;
    }
    if (control.kind() == ControlKind::CheckBox) {
        control.setChecked(!control.checked());
    }
    control.raiseClick();
    return true;
}

bool choose(Control& list, std::string_view item) {
    if (list.kind() != ControlKind::ComboBox || !list.reachable()) {
        return false;
    }
    const auto& items = list.items();
    const auto found = std::ranges::find(items, item);
    if (found == items.end()) {
        return false;
    }
    list.setCurrentIndex(static_cast<int>(found - items.begin()));
    return true;
}

bool focus(Control& control) {
    if (control.kind() == ControlKind::Line || control.kind() == ControlKind::Label ||
        !control.reachable()) {
        return false;
    }
    control.form().noteFocus(&control);
    return true;
}

bool pressEnter(Control& control) {
    if (!control.reachable()) {
        return false;
    }
    if (control.kind() == ControlKind::Button) {
        return click(control);
    }
    Control* target = control.enterTarget();
    return control.kind() == ControlKind::TextBox && target != nullptr && click(*target);
}

bool pressKey(Form& form, FormKey key) {
    const auto found = form.keyHandlers().find(key);
    if (found == form.keyHandlers().end()) {
        return false;
    }
    // A copy: the key may close the form that holds it.
    std::function<void()> handler = found->second;
    handler();
    return true;
}

bool choose(Form& form, std::string_view caption) {
    const MenuItem* item = findItem(form.menuBar(), caption);
    if (item == nullptr || !item->onChoose || !item->enabled) {
        return false;
    }
    // A copy: the item may close the form that holds it.
    std::function<void()> handler = item->onChoose;
    if (item->checkable) {
        form.setMenuChecked(item->name, !item->checked);
    }
    handler();
    return true;
}

void close(Form& form) {
    form.requestClose();
}

}  // namespace talvera::ui::user
