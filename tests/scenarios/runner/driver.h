#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>

#include "recording_dialogs.h"
#include "shell/program.h"
#include "ui/preferences.h"
#include "ui/window_observer.h"

namespace talvera::scenarios {

// A scenario that names something that is not there.
class ScenarioError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Drives the program the way a person does, and reads what the screen shows. The model driver
// works on the forms themselves; the widget driver on real Qt widgets.
class Driver {
  public:
    Driver() = default;
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    virtual ~Driver() = default;

    // A fresh program with only the title page open.
    virtual void start();

    virtual void chooseMenu(std::string_view form, std::string_view caption);
    virtual void type(std::string_view form, std::string_view name, std::string_view text);
    virtual void click(std::string_view form, std::string_view name);
    // Chooses the item with that text from a combo box's list.
    virtual void choose(std::string_view form, std::string_view name, std::string_view item);
    virtual void close(std::string_view form);

    virtual std::string text(std::string_view form, std::string_view name);
    // A control's caption, or a window's when the name is the form's own.
    virtual std::string caption(std::string_view form, std::string_view name);
    virtual bool visible(std::string_view form, std::string_view name);
    virtual bool enabled(std::string_view form, std::string_view name);
    virtual bool ticked(std::string_view form, std::string_view name);
    virtual bool open(std::string_view form);
    bool ended() const;
    // Whether the window has a control of that name; both drivers see the same forms.
    bool has(std::string_view form, std::string_view name) const {
        return openForm(form).find(name) != nullptr;
    }

    // The keyboard: moving the focus to a control, and a key pressed on it (Return, Enter,
    // space, or one of the keys a window acts on: Left, Right, PageUp, PageDown, Escape); the
    // name of the focused control, empty for none.
    virtual void focus(std::string_view form, std::string_view name);
    virtual void press(std::string_view form, std::string_view name, std::string_view key);
    virtual std::string focused(std::string_view form);

    // The projector zoom: "in", "out" or "normal" from the current window, and the zoom that
    // window shows at.
    virtual void zoom(std::string_view form, std::string_view how);
    virtual int zoomOf(std::string_view form);

    // What a screen reader hears: a control's description, and the window's last announcement;
    // and what the program's voice said last.
    virtual std::string description(std::string_view form, std::string_view name);
    virtual std::string announced(std::string_view form);
    // What a screen reader calls the control; where it stands in its container, in twips, as
    // "left top"; whether the first of two controls is stacked in front of the second.
    virtual std::string name(std::string_view form, std::string_view control);
    virtual std::string place(std::string_view form, std::string_view control);
    virtual bool inFront(std::string_view form, std::string_view first, std::string_view second);
    // A drawing as its lines of text: its heading, then one line for each figure.
    virtual std::string drawing(std::string_view form, std::string_view name);
    std::string said() const { return speech_.said; }
    // What the program last asked to print, as lines; empty for nothing yet.
    std::string printed() const { return printing_.last; }
    // A menu item's tick, and whether it can be chosen.
    virtual bool menuTicked(std::string_view form, std::string_view caption);
    virtual bool menuEnabled(std::string_view form, std::string_view caption);

    std::deque<RecordedMessage>& messages() { return dialogs_.messages; }

  protected:
    // Closes the program; a driver whose view outlives nothing of it calls this first.
    void stop();
    virtual ui::WindowObserver* windowObserver() { return &view_; }
    // Lets a view catch up after a user action; the model needs nothing.
    virtual void settle() {}

    ui::Form& openForm(std::string_view form) const;
    ui::Control& control(std::string_view form, std::string_view name) const;

    ui::MenuItem& menuItem(std::string_view form, std::string_view caption) const;

  private:
    // The model's view of the windows: only the zoom they all share.
    struct ModelView : ui::WindowObserver {
        void formOpened(ui::Form& /*form*/) override {}
        void formRaised(ui::Form& /*form*/) override {}
        void formClosing(ui::Form& /*form*/) override {}
        void programEnded() override {}
        void changeZoom(ui::zoom::Step step) override { zoom = ui::zoom::after(step, zoom); }
        int zoom = ui::zoom::normal;
    };

    RecordingDialogs dialogs_;
    RecordingSpeech speech_;
    RecordingPrinting printing_;
    std::unique_ptr<ui::RunPreferences> preferences_;
    ModelView view_;
    std::unique_ptr<shell::Program> program_;
};

std::unique_ptr<Driver> makeModelDriver();
std::unique_ptr<Driver> makeWidgetDriver();

}  // namespace talvera::scenarios
