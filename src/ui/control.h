#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ui/drawing.h"
#include "ui/geometry.h"

namespace talvera::ui {

class Form;
class Control;

// A Picture shows one of the program's drawings or text pages by name; a Drawing shows a picture
// that the program builds as data; a ComboBox is a choice of one item from a list.
enum class ControlKind {
    Label,
    TextBox,
    Button,
    CheckBox,
    Frame,
    Line,
    Picture,
    Drawing,
    ComboBox
};

// What changed on a control, so that a view can mirror just that.
enum class Change {
    Text,  // for a combo box, the chosen item
    Visible,
    Enabled,
    Position,
    Stacking,
    Checked,
    Description,
    Focus,
    Drawing
};

enum class Alignment { Left, Center, Right };

// Frames: Titled draws a border with the caption on it; None is a borderless panel.
// Text boxes: Sunken for the boxes a user types into, Flat for result boxes.
enum class Border { None, Flat, Sunken, Titled };

// Everything a page states about a control when it lays itself out. One aggregate per control,
// so that a control is one line of layout.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    Rect place{};        // a line runs from (left, top) to (left + width, top + height)
    std::string text{};  // a text box's text, a combo box's chosen item, or a caption
    const Control* container = nullptr;  // nullptr: the form itself
    Font font{};
    std::optional<Color> foreground{};
    std::optional<Color> background{};
    std::string tooltip{};
    // What a screen reader says the control is, unique in its window, and what more it may say.
    std::string accessibleName{};
    std::string description{};
    std::string picture{};  // a resource name, for picture buttons and pictures
    Alignment alignment = Alignment::Left;
    Border border = Border::None;
    bool visible = true;
    bool enabled = true;
    bool readOnly = false;
    bool tabStop = true;
    bool checked = false;
    bool wrap = false;                 // a label's text breaks into lines at its width
    int maxLength = 0;                 // characters a user may type into a text box; 0 for no limit
    int lineWidth = 1;                 // pixels, for lines
    std::vector<std::string> items{};  // a combo box's list
    int current = 0;                   // the item a combo box shows chosen
};

// One control of a form: its design and its state. Program writes go through the setters, which
// tell the form's observers at once and, for a text box whose text changes, run its change
// handler to its end before returning. What a user does goes through ui/user.h instead.
class Control {
  public:
    Control(Form& form, ControlDesign design, int stackingOrder);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control() = default;

    const std::string& name() const { return design_.name; }
    ControlKind kind() const { return design_.kind; }
    const Control* container() const { return design_.container; }
    Form& form() const { return form_; }
    const ControlDesign& design() const { return design_; }

    const std::string& text() const { return design_.text; }
    void setText(std::string text);
    const std::string& caption() const { return design_.text; }
    void setCaption(std::string caption);

    bool visible() const { return design_.visible; }
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }

    bool enabled() const { return design_.enabled; }
    void setEnabled(bool enabled);

    // Whether a person can reach the control: it and every container around it are visible and
    // enabled.
    bool reachable() const;

    Rect place() const { return design_.place; }
    void moveTo(int left, int top);

    int stackingOrder() const { return stackingOrder_; }
    void bringToFront();

    bool checked() const { return design_.checked; }
    void setChecked(bool checked);

    // A combo box's list and the item chosen from it, whose text is the control's text. Choosing
    // another item runs the change handler to its end before returning, as a text box's edit does.
    const std::vector<std::string>& items() const { return design_.items; }
    int currentIndex() const { return design_.current; }
    void setCurrentIndex(int index);

    const std::string& accessibleName() const { return design_.accessibleName; }
    const std::string& description() const { return design_.description; }
    void setDescription(std::string description);

    // What a Drawing control shows.
    const Drawing& drawing() const { return drawing_; }
    void setDrawing(Drawing drawing);

    // Moves the keyboard focus here; the form remembers which control has it.
    void setFocus();

    // The button that Enter presses while this box has the focus: its calculator's "=".
    Control* enterTarget() const { return enterTarget_; }
    void setEnterTarget(Control* button) { enterTarget_ = button; }

    void onChange(std::function<void()> handler) { changeHandler_ = std::move(handler); }
    void onClick(std::function<void()> handler) { clickHandler_ = std::move(handler); }

    // Runs the click handler; only the user entry points call this.
    void raiseClick() const;

  private:
    void changed(Change what);

    Form& form_;
    ControlDesign design_;
    int stackingOrder_;
    Control* enterTarget_ = nullptr;
    Drawing drawing_;
    std::function<void()> changeHandler_;
    std::function<void()> clickHandler_;
};

}  // namespace talvera::ui
