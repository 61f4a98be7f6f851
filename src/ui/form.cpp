#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

namespace talvera::ui {

Form::Form(std::string name, std::string caption, Size clientSize, Color background)
    : name_(std::move(name)),
      caption_(std::move(caption)),
      clientSize_(clientSize),
      background_(background) {}

Form::~Form() = default;

Control& Form::add(ControlDesign design) {
    if (find(design.name) != nullptr) {
        throw std::logic_error("two controls named " + design.name + " on " + name_);
    }
    controls_.push_back(std::make_unique<Control>(*this, std::move(design), nextStackingOrder()));
    return *controls_.back();
}

Control& Form::control(std::string_view name) const {
    if (Control* found = find(name)) {
        return *found;
    }
    throw std::out_of_range("no control named " + std::string(name) + " on " + name_);
}

Control* Form::find(std::string_view name) const {
    const auto it = std::ranges::find_if(
        controls_, [name](const std::unique_ptr<Control>& c) { return c->name() == name; });
    return it == controls_.end() ? nullptr : it->get();
}

namespace {

bool within(const Control& control, const Control& ancestor) {
    for (const Control* c = &control; c != nullptr; c = c->container()) {
        if (c == &ancestor) {
            return true;
        }
    }
    return false;
}

}  // namespace

// The frames around the focus are tried from the innermost out; within one, the search starts
// after the focused control in the tab order and wraps round, so a step button hands the focus
// to the next step button of its row, or back to the row's check box.
void Form::moveFocusOff(const Control& leaving) {
    if (focused_ == nullptr || !within(*focused_, leaving)) {
        return;
    }
    const auto at = std::ranges::find(tabOrder_, focused_);
    const std::size_t start =
        at == tabOrder_.end() ? 0 : static_cast<std::size_t>(at - tabOrder_.begin()) + 1;
    for (const Control* scope = focused_->container(); scope != nullptr;
         scope = scope->container()) {
        if (within(*scope, leaving)) {
            continue;
        }
        for (std::size_t i = 0; i < tabOrder_.size(); ++i) {
            const Control* candidate = tabOrder_[(start + i) % tabOrder_.size()];
            if (candidate != focused_ && within(*candidate, *scope) &&
                !within(*candidate, leaving) && candidate->reachable()) {
                control(candidate->name()).setFocus();
                return;
            }
        }
    }
}

void Form::noteFocus(const Control* control) {
    const bool moved = focused_ != control;
    focused_ = control;
    if (moved && focusHandler_) {
        focusHandler_(control);
    }
}

void Form::focusFirst() {
    const auto first = std::ranges::find_if(
        tabOrder_, [](const Control* control) { return control->reachable(); });
    if (first != tabOrder_.end()) {
        noteFocus(*first);
    }
}

void Form::load() const {
    if (loadHandler_) {
        loadHandler_();
    }
}

void Form::requestClose() const {
    if (closeHandler_) {
        // A copy: closing destroys this form, handler included.
        auto handler = closeHandler_;
        handler();
    }
}

namespace {

MenuItem* findItem(std::vector<MenuItem>& items, std::string_view name) {
    for (MenuItem& item : items) {
        if (item.name == name) {
            return &item;
        }
        if (MenuItem* inner = findItem(item.items, name)) {
            return inner;
        }
    }
    return nullptr;
}

}  // namespace

MenuItem* Form::menuItem(std::string_view name) {
    return findItem(menuBar_, name);
}

void Form::setMenuChecked(std::string_view name, bool checked) {
    MenuItem* item = menuItem(name);
    if (item != nullptr && item->checked != checked) {
        item->checked = checked;
        tellObservers([item](FormObserver& observer) { observer.menuChanged(*item); });
    }
}

void Form::setMenuEnabled(std::string_view name, bool enabled, std::string tooltip) {
    MenuItem* item = menuItem(name);
    if (item != nullptr && (item->enabled != enabled || item->tooltip != tooltip)) {
        item->enabled = enabled;
        item->tooltip = std::move(tooltip);
        tellObservers([item](FormObserver& observer) { observer.menuChanged(*item); });
    }
}

void Form::announce(std::string sentence) {
    lastAnnouncement_ = std::move(sentence);
    tellObservers([this](FormObserver& observer) { observer.announced(lastAnnouncement_); });
}

void Form::announce(const Control& control) {
    lastAnnouncement_ = control.name();
    tellObservers([&control](FormObserver& observer) { observer.announcedControl(control); });
}

void Form::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void Form::removeObserver(FormObserver* observer) {
    std::erase(observers_, observer);
}

void Form::notify(const Control& control, Change what) const {
    tellObservers([&](FormObserver& observer) { observer.controlChanged(control, what); });
}

}  // namespace talvera::ui
