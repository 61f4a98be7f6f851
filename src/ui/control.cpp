#include "ui/control.h"

#include <cassert>

#include "ui/form.h"

namespace talvera::ui {

Control::Control(Form& form, ControlDesign design, int stackingOrder)
    : form_(form), design_(std::move(design)), stackingOrder_(stackingOrder) {
    if (kind() == ControlKind::ComboBox && !design_.items.empty()) {
        design_.text = design_.items.at(static_cast<std::size_t>(design_.current));
    }
}

void Control::setText(std::string text) {
    assert(kind() == ControlKind::TextBox);
    if (design_.text == text) {
        return;
    }
    design_.text = std::move(text);
    changed(Change::Text);
    if (changeHandler_) {
        // A copy: the handler may close the form, and with it this control.
        auto handler = changeHandler_;
        handler();
    }
}

void Control::setCaption(std::string caption) {
    assert(kind() != ControlKind::TextBox);
    if (design_.text == caption) {
        return;
    }
    design_.text = std::move(caption);
    changed(Change::Text);
}

void Control::setVisible(bool visible) {
    if (design_.visible != visible) {
        if (!visible) {
            form_.moveFocusOff(*this);
        }
        design_.visible = visible;
        changed(Change::Visible);
    }
}

void Control::setEnabled(bool enabled) {
    if (design_.enabled != enabled) {
        if (!enabled) {
            form_.moveFocusOff(*this);
        }
        design_.enabled = enabled;
        changed(Change::Enabled);
    }
}

bool Control::reachable() const {
    for (const Control* c = this; c != nullptr; c = c->container()) {
        if (!c->visible() || !c->enabled()) {
            return false;
        }
    }
    return true;
}

void Control::moveTo(int left, int top) {
    if (design_.place.left != left || design_.place.top != top) {
        design_.place.left = left;
        design_.place.top = top;
        changed(Change::Position);
    }
}

void Control::bringToFront() {
    stackingOrder_ = form_.nextStackingOrder();
    changed(Change::Stacking);
}

void Control::setChecked(bool checked) {
    if (design_.checked != checked) {
        design_.checked = checked;
        changed(Change::Checked);
    }
}

void Control::setCurrentIndex(int index) {
    assert(kind() == ControlKind::ComboBox);
    if (design_.current == index) {
        return;
    }
    design_.text = design_.items.at(static_cast<std::size_t>(index));
    design_.current = index;
    changed(Change::Text);
    if (changeHandler_) {
        auto handler = changeHandler_;
        handler();
    }
}

void Control::setDescription(std::string description) {
    if (design_.description != description) {
        design_.description = std::move(description);
        changed(Change::Description);
    }
}

void Control::setDrawing(Drawing drawing) {
    if (drawing_ != drawing) {
        drawing_ = std::move(drawing);
        changed(Change::Drawing);
    }
}

void Control::setFocus() {
    form_.focused_ = this;
    changed(Change::Focus);
}

void Control::raiseClick() const {
    if (clickHandler_) {
        auto handler = clickHandler_;
        handler();
    }
}

void Control::changed(Change what) {
    form_.notify(*this, what);
}

}  // namespace talvera::ui
