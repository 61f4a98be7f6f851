#include "driver.h"

#include <algorithm>
#include <map>

#include "ui/user.h"
#include "ui/zoom.h"

namespace talvera::scenarios {

namespace {
// Every run gives the same exercises and the same new sheet numbers.
constexpr std::uint64_t scenarioSeed = 1;
}  // namespace

void Driver::stop() {
    program_.reset();
    settle();
}

void Driver::start() {
    stop();
    dialogs_.messages.clear();
    speech_.said.clear();
    printing_.last.clear();
    view_.zoom = ui::zoom::normal;
    preferences_ = std::make_unique<ui::RunPreferences>();
    program_ = std::make_unique<shell::Program>(shell::Services{.dialogs = dialogs_,
                                                                .windows = windowObserver(),
                                                                .speech = &speech_,
                                                                .preferences = preferences_.get(),
                                                                .printing = &printing_,
                                                                .seed = scenarioSeed});
    program_->start();
    settle();
}

ui::Form& Driver::openForm(std::string_view form) const {
    const auto page = shell::pageNamed(form);
    if (!page) {
        throw ScenarioError("there is no window " + std::string(form));
    }
    ui::Form* found = program_ ? program_->form(*page) : nullptr;
    if (found == nullptr) {
        throw ScenarioError(std::string(form) + " is not open");
    }
    return *found;
}

ui::Control& Driver::control(std::string_view form, std::string_view name) const {
    ui::Control* found = openForm(form).find(name);
    if (found == nullptr) {
        throw ScenarioError(std::string(form) + " has no control " + std::string(name));
    }
    return *found;
}

void Driver::chooseMenu(std::string_view form, std::string_view caption) {
    if (!ui::user::choose(openForm(form), caption)) {
        throw ScenarioError(std::string(form) + " has no menu item " + std::string(caption));
    }
    settle();
}

void Driver::type(std::string_view form, std::string_view name, std::string_view text) {
    ui::user::type(control(form, name), text);
    settle();
}

void Driver::click(std::string_view form, std::string_view name) {
    ui::user::click(control(form, name));
    settle();
}

void Driver::choose(std::string_view form, std::string_view name, std::string_view item) {
    ui::Control& list = control(form, name);
    if (std::ranges::find(list.items(), item) == list.items().end()) {
        throw ScenarioError(std::string(name) + " has no item " + std::string(item));
    }
    ui::user::choose(list, item);
    settle();
}

void Driver::close(std::string_view form) {
    ui::user::close(openForm(form));
    settle();
}

std::string Driver::text(std::string_view form, std::string_view name) {
    return control(form, name).text();
}

std::string Driver::caption(std::string_view form, std::string_view name) {
    if (name == form) {
        return openForm(form).caption();
    }
    return control(form, name).caption();
}

bool Driver::visible(std::string_view form, std::string_view name) {
    return control(form, name).visible();
}

bool Driver::enabled(std::string_view form, std::string_view name) {
    return control(form, name).enabled();
}

bool Driver::ticked(std::string_view form, std::string_view name) {
    return control(form, name).checked();
}

bool Driver::open(std::string_view form) {
    const auto page = shell::pageNamed(form);
    if (!page) {
        throw ScenarioError("there is no window " + std::string(form));
    }
    return program_ && program_->form(*page) != nullptr;
}

bool Driver::ended() const {
    return program_ && program_->ended();
}

void Driver::focus(std::string_view form, std::string_view name) {
    ui::user::focus(control(form, name));
    settle();
}

void Driver::press(std::string_view form, std::string_view name, std::string_view key) {
    // The keys that a window acts on wherever its focus is.
    static const std::map<std::string_view, ui::FormKey> formKeys{
        {"Left", ui::FormKey::Left},
        {"Right", ui::FormKey::Right},
        {"PageUp", ui::FormKey::PageUp},
        {"PageDown", ui::FormKey::PageDown},
        {"Escape", ui::FormKey::Escape}};
    ui::Control& target = control(form, name);
    if (!ui::user::focus(target)) {
        return;
    }
    if (key == "Return" || key == "Enter") {
        ui::user::pressEnter(target);
    } else if (key == "space") {
        ui::user::click(target);
    } else if (formKeys.contains(key)) {
        ui::user::pressKey(openForm(form), formKeys.at(key));
    } else {
        throw ScenarioError("no key named " + std::string(key));
    }
    settle();
}

std::string Driver::focused(std::string_view form) {
    const ui::Control* control = openForm(form).focused();
    return control == nullptr ? std::string() : control->name();
}

// The model has no screen: every step fits.
void Driver::zoom(std::string_view form, std::string_view how) {
    openForm(form);
    static const std::map<std::string_view, ui::zoom::Step> steps{
        {"in", ui::zoom::Step::In},
        {"out", ui::zoom::Step::Out},
        {"normal", ui::zoom::Step::Normal}};
    const auto known = steps.find(how);
    if (known == steps.end()) {
        throw ScenarioError("zoom in, out or normal, not " + std::string(how));
    }
    program_->zoom(known->second);
}

int Driver::zoomOf(std::string_view form) {
    openForm(form);
    return view_.zoom;
}

std::string Driver::description(std::string_view form, std::string_view name) {
    return control(form, name).description();
}

std::string Driver::name(std::string_view form, std::string_view control) {
    return this->control(form, control).accessibleName();
}

std::string Driver::place(std::string_view form, std::string_view control) {
    const ui::Rect place = this->control(form, control).place();
    return std::to_string(place.left) + " " + std::to_string(place.top);
}

bool Driver::inFront(std::string_view form, std::string_view first, std::string_view second) {
    return control(form, first).stackingOrder() > control(form, second).stackingOrder();
}

std::string Driver::drawing(std::string_view form, std::string_view name) {
    return ui::describe(control(form, name).drawing());
}

std::string Driver::announced(std::string_view form) {
    return openForm(form).lastAnnouncement();
}

ui::MenuItem& Driver::menuItem(std::string_view form, std::string_view caption) const {
    std::vector<ui::MenuItem*> pending;
    for (ui::MenuItem& item : openForm(form).menuBar()) {
        pending.push_back(&item);
    }
    while (!pending.empty()) {
        ui::MenuItem* item = pending.back();
        pending.pop_back();
        if (item->caption == caption) {
            return *item;
        }
        for (ui::MenuItem& inner : item->items) {
            pending.push_back(&inner);
        }
    }
    throw ScenarioError(std::string(form) + " has no menu item " + std::string(caption));
}

bool Driver::menuTicked(std::string_view form, std::string_view caption) {
    return menuItem(form, caption).checked;
}

bool Driver::menuEnabled(std::string_view form, std::string_view caption) {
    return menuItem(form, caption).enabled;
}

std::unique_ptr<Driver> makeModelDriver() {
    return std::make_unique<Driver>();
}

}  // namespace talvera::scenarios
