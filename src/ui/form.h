#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/form_observer.h"
#include "ui/menu.h"

namespace talvera::ui {

// Keys that a window acts on wherever its focus is, as a pager turns its pages.
enum class FormKey { Left, Right, PageUp, PageDown, Escape };

// A window as data: caption, size, menu bar and controls. It is the state itself; views only
// mirror it.
class Form {
  public:
    Form(std::string name, std::string caption, Size clientSize, Color background = colors::face);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();

    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    // What a screen reader calls the window: it says which page it is, where the caption of
    // every page may be the program's name.
    const std::string& accessibleName() const { return accessibleName_; }
    void setAccessibleName(std::string name) { accessibleName_ = std::move(name); }
    Size clientSize() const { return clientSize_; }
    // A resizable window may be made larger than its designed size; its drawings fill it.
    bool resizable() const { return resizable_; }
    void setResizable(bool resizable) { resizable_ = resizable; }
    Color background() const { return background_; }

    Control& add(ControlDesign design);
    // The control of that name; a missing one is a programming error (std::out_of_range).
    Control& control(std::string_view name) const;
    Control* find(std::string_view name) const;
    // In the order they were added, which is also the order they stack in at first.
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    std::vector<MenuItem>& menuBar() { return menuBar_; }
    const std::vector<MenuItem>& menuBar() const { return menuBar_; }
    // The menu item of that name, on the bar or in a drop-down; nullptr for none.
    MenuItem* menuItem(std::string_view name);
    // Changes of a menu item's state after the menus were built; the views are told.
    void setMenuChecked(std::string_view name, bool checked);
    void setMenuEnabled(std::string_view name, bool enabled, std::string tooltip = {});

    // Says a sentence to whoever cannot see what the last action wrote; the last one is kept.
    void announce(std::string sentence);
    // Says what a control reads as, its name and its description, such as a page of text that
    // has just been turned to; the control's name is kept as the last announcement.
    void announce(const Control& control);
    const std::string& lastAnnouncement() const { return lastAnnouncement_; }

    // The controls that Tab visits, in order.
    void setTabOrder(std::vector<const Control*> order) { tabOrder_ = std::move(order); }
    const std::vector<const Control*>& tabOrder() const { return tabOrder_; }

    // The control that has the keyboard focus, as far as the form knows; nullptr for none yet.
    const Control* focused() const { return focused_; }
    // What a view reports when the user moves the focus: the view already shows it, so only the
    // page's own follower is told.
    void noteFocus(const Control* control);
    // The window opens with the focus on the first control that Tab reaches.
    void focusFirst();
    void onFocusNoted(std::function<void(const Control*)> handler) {
        focusHandler_ = std::move(handler);
    }
    // The control, or a container of it, is about to be hidden or disabled: a focus inside it
    // moves to the next control that Tab reaches in the same frame, so that it never lands on a
    // box of another calculator, as it would if the toolkit moved it on by itself.
    void moveFocusOff(const Control& leaving);

    // What a key does to the whole window; a view passes the key here instead of to the focused
    // control.
    void onKey(FormKey key, std::function<void()> handler) {
        keyHandlers_[key] = std::move(handler);
    }
    const std::map<FormKey, std::function<void()>>& keyHandlers() const { return keyHandlers_; }

    void onLoad(std::function<void()> handler) { loadHandler_ = std::move(handler); }
    void load() const;

    // The form asks whoever owns it to close it: its own close control, or a "Fechar" button.
    void onCloseRequest(std::function<void()> handler) { closeHandler_ = std::move(handler); }
    void requestClose() const;

    void addObserver(FormObserver* observer);
    void removeObserver(FormObserver* observer);

  private:
    friend class Control;
    void notify(const Control& control, Change what) const;
    template <typename Call>
    void tellObservers(Call call) const {
        for (FormObserver* observer : observers_) {
            call(*observer);
        }
    }
    int nextStackingOrder() { return ++stackingCounter_; }

    std::string name_;
    std::string caption_;
    std::string accessibleName_;
    Size clientSize_;
    Color background_;
    std::vector<std::unique_ptr<Control>> controls_;
    std::vector<MenuItem> menuBar_;
    std::vector<const Control*> tabOrder_;
    std::vector<FormObserver*> observers_;
    std::map<FormKey, std::function<void()>> keyHandlers_;
    std::function<void()> loadHandler_;
    std::function<void()> closeHandler_;
    std::function<void(const Control*)> focusHandler_;
    const Control* focused_ = nullptr;
    std::string lastAnnouncement_;
    bool resizable_ = false;
    int stackingCounter_ = 0;
};

}  // namespace talvera::ui
