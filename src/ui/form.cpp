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

void Form::addObserver(FormObserver* observer) {
    observers_.push_back(observer);
}

void Form::removeObserver(FormObserver* observer) {
    std::erase(observers_, observer);
}

void Form::notify(const Control& control, Change what) const {
    for (FormObserver* observer : observers_) {
        observer->controlChanged(control, what);
    }
}

}  // namespace talvera::ui
