#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <map>

#include "driver.h"
#include "qt/accessibility.h"
#include "qt/drawing_widget.h"
#include "qt/window_manager.h"

namespace talvera::scenarios {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Printable ASCII has a key of its own; anything else (accented letters, other scripts,
// characters beyond U+FFFF) arrives as an input method delivers it: a committed string.
bool hasOwnKey(QChar character) {
    return character.unicode() >= 0x20 && character.unicode() < 0x7F;
}

void commit(QLineEdit* edit, QString& pending) {
    if (pending.isEmpty()) {
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(pending);
    QApplication::sendEvent(edit, &event);
    pending.clear();
}

// Each key press is an edit that hands the whole text to the page, so a long text typed key by
// key costs its length squared. Past the first few keys the rest is committed at once, as an
// input method does with a long composition, which keeps typing linear in the text's length.
void typeText(QLineEdit* edit, const QString& text) {
    constexpr qsizetype keyedLength = 256;
    QString pending;  // characters without a key, committed together so pairs stay whole
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i == keyedLength) {
            pending += text.sliced(i);
            break;
        }
        if (hasOwnKey(text[i])) {
            commit(edit, pending);
            QTest::keyClick(edit, text[i].toLatin1());
        } else {
            pending += text[i];
        }
    }
    commit(edit, pending);
}

// The same program, seen and handled through real widgets: typing is key presses, clicking is
// mouse presses, and every reading comes from what a widget shows.
class WidgetDriver : public Driver {
  public:
    WidgetDriver() = default;
    WidgetDriver(const WidgetDriver&) = delete;
    WidgetDriver& operator=(const WidgetDriver&) = delete;
    // The windows go with the program, before the window manager does.
    ~WidgetDriver() override { stop(); }

    void chooseMenu(std::string_view form, std::string_view caption) override {
        action(form, caption)->trigger();
        settle();
    }

    void type(std::string_view form, std::string_view name, std::string_view text) override {
        auto* edit = widgetAs<QLineEdit>(form, name, "a text box");
        if (!reachable(edit)) {
            return;
        }
        QTest::mouseClick(edit, Qt::LeftButton);
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        if (text.empty()) {
            QTest::keyClick(edit, Qt::Key_Delete);
        } else {
            typeText(edit, toQString(text));
        }
        settle();
    }

    void click(std::string_view form, std::string_view name) override {
        auto* button = widgetAs<QAbstractButton>(form, name, "a button or check box");
        if (!reachable(button)) {
            return;
        }
        QPoint where = button->rect().center();
        if (auto* box = qobject_cast<QCheckBox*>(button)) {
            // Where a person clicks a check box: on its box.
            QStyleOptionButton option;
            option.initFrom(box);
            where =
                box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
        }
        QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, where);
        settle();
    }

    // From the focused list, Home and then Down, as a keyboard chooses without opening it.
    void choose(std::string_view form, std::string_view name, std::string_view item) override {
        auto* list = widgetAs<QComboBox>(form, name, "a combo box");
        const int index = list->findText(toQString(item));
        if (index < 0) {
            throw ScenarioError(std::string(name) + " has no item " + std::string(item));
        }
        if (!reachable(list)) {
            return;
        }
        focus(form, name);
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(list, Qt::Key_Down);
        }
        settle();
    }

    void close(std::string_view form) override {
        window(form).close();
        settle();
    }

    std::string text(std::string_view form, std::string_view name) override {
        if (auto* list = qobject_cast<QComboBox*>(widget(form, name))) {
            return list->currentText().toStdString();
        }
        return widgetAs<QLineEdit>(form, name, "a text box")->text().toStdString();
    }

    std::string caption(std::string_view form, std::string_view name) override {
        if (name == form) {
            return window(form).windowTitle().toStdString();
        }
        QWidget* w = widget(form, name);
        if (auto* label = qobject_cast<QLabel*>(w)) {
            return label->text().toStdString();
        }
        if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            return button->text().toStdString();
        }
        if (auto* box = qobject_cast<QGroupBox*>(w)) {
            return box->title().toStdString();
        }
        throw ScenarioError(std::string(name) + " has no caption");
    }

    bool visible(std::string_view form, std::string_view name) override {
        return !widget(form, name)->isHidden();
    }

    bool enabled(std::string_view form, std::string_view name) override {
        return !widget(form, name)->testAttribute(Qt::WA_Disabled);
    }

    bool ticked(std::string_view form, std::string_view name) override {
        return widgetAs<QCheckBox>(form, name, "a check box")->isChecked();
    }

    bool open(std::string_view form) override {
        const bool modelOpen = Driver::open(form);
        bool windowShown = false;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            windowShown = windowShown || (top->objectName() == toQString(form) && top->isVisible());
        }
        if (modelOpen != windowShown) {
            throw ScenarioError(std::string(form) + (modelOpen
                                                         ? " is open but has no window"
                                                         : " is closed but its window shows"));
        }
        return windowShown;
    }

    void focus(std::string_view form, std::string_view name) override {
        QWidget* target = widget(form, name);
        if (!reachable(target)) {
            return;
        }
        qt::FormWindow& shown = window(form);
        shown.activateWindow();
        QApplication::setActiveWindow(&shown);
        target->setFocus(Qt::OtherFocusReason);
        settle();
    }

    void press(std::string_view form, std::string_view name, std::string_view key) override {
        static const std::map<std::string_view, Qt::Key> keys{
            {"Return", Qt::Key_Return},     {"Enter", Qt::Key_Enter},  {"space", Qt::Key_Space},
            {"Left", Qt::Key_Left},         {"Right", Qt::Key_Right},  {"PageUp", Qt::Key_PageUp},
            {"PageDown", Qt::Key_PageDown}, {"Escape", Qt::Key_Escape}};
        const auto known = keys.find(key);
        if (known == keys.end()) {
            throw ScenarioError("no key named " + std::string(key));
        }
        QWidget* target = widget(form, name);
        if (!reachable(target)) {
            return;
        }
        focus(form, name);
        QTest::keyClick(target, known->second);
        settle();
    }

    std::string focused(std::string_view form) override {
        const QWidget* focus = window(form).focusWidget();
        return focus == nullptr ? std::string() : focus->objectName().toStdString();
    }

    void zoom(std::string_view form, std::string_view how) override {
        static const std::map<std::string_view, Qt::Key> keys{
            {"in", Qt::Key_Equal}, {"out", Qt::Key_Minus}, {"normal", Qt::Key_0}};
        const auto known = keys.find(how);
        if (known == keys.end()) {
            throw ScenarioError("zoom in, out or normal, not " + std::string(how));
        }
        qt::FormWindow& shown = window(form);
        QApplication::setActiveWindow(&shown);
        QTest::keyClick(&shown, known->second, Qt::ControlModifier);
        settle();
    }

    // The zoom the window is laid out at, checked against the size its page has there.
    int zoomOf(std::string_view form) override {
        const qt::FormWindow& shown = window(form);
        const QWidget* canvas = shown.findChild<QWidget*>(QStringLiteral("canvas"));
        const QSize wanted = qt::Scale(shown.zoom()).toPixels(openForm(form).clientSize());
        if (canvas == nullptr || canvas->size() != wanted) {
            throw ScenarioError(std::string(form) + " is not laid out at its zoom");
        }
        return shown.zoom();
    }

    std::string description(std::string_view form, std::string_view name) override {
        return widget(form, name)->accessibleDescription().toStdString();
    }

    // What the window's announcer last gave a screen reader to say.
    std::string announced(std::string_view form) override {
        const auto* announcer = window(form).findChild<qt::Announcer*>();
        const auto* note = announcer == nullptr ? nullptr : announcer->findChild<QWidget*>();
        if (note == nullptr) {
            throw ScenarioError(std::string(form) + " has no announcer");
        }
        return note->accessibleName().toStdString();
    }

    std::string name(std::string_view form, std::string_view control) override {
        return widget(form, control)->accessibleName().toStdString();
    }

    // The widget's place, in pixels at its window's zoom, taken back to twips.
    std::string place(std::string_view form, std::string_view control) override {
        const QPoint at = widget(form, control)->pos();
        const int zoom = window(form).zoom();
        const auto twips = [zoom](int pixels) { return pixels * qt::twipsPerPixel * 100 / zoom; };
        return std::to_string(twips(at.x())) + " " + std::to_string(twips(at.y()));
    }

    // Qt stacks a parent's children in the order they stand among its children.
    bool inFront(std::string_view form, std::string_view first, std::string_view second) override {
        const QWidget* a = widget(form, first);
        const QObjectList& siblings = a->parentWidget()->children();
        return siblings.indexOf(a) > siblings.indexOf(widget(form, second));
    }

    // What the widget paints, which the model hands it whole.
    std::string drawing(std::string_view form, std::string_view name) override {
        const auto* painted = dynamic_cast<const qt::DrawingWidget*>(widget(form, name));
        if (painted == nullptr) {
            throw ScenarioError(std::string(name) + " is not a drawing");
        }
        return ui::describe(painted->drawing());
    }

    bool menuTicked(std::string_view form, std::string_view caption) override {
        return action(form, caption)->isChecked();
    }

    bool menuEnabled(std::string_view form, std::string_view caption) override {
        return action(form, caption)->isEnabled();
    }

  protected:
    ui::WindowObserver* windowObserver() override { return &windows_; }

    void settle() override {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }

  private:
    static bool reachable(const QWidget* widget) {
        return widget->isVisible() && widget->isEnabled();
    }

    qt::FormWindow& window(std::string_view form) {
        qt::FormWindow* found = windows_.windowFor(openForm(form));
        if (found == nullptr) {
            throw ScenarioError(std::string(form) + " has no window");
        }
        return *found;
    }

    QAction* action(std::string_view form, std::string_view caption) {
        QAction* found = qt::menuAction(window(form), caption);
        if (found == nullptr) {
            throw ScenarioError(std::string(form) + " has no menu item " + std::string(caption));
        }
        return found;
    }

    QWidget* widget(std::string_view form, std::string_view name) {
        QWidget* found = window(form).widgetFor(name);
        if (found == nullptr) {
            throw ScenarioError(std::string(form) + " has no control " + std::string(name));
        }
        return found;
    }

    template <typename Widget>
    Widget* widgetAs(std::string_view form, std::string_view name, const char* what) {
        auto* found = qobject_cast<Widget*>(widget(form, name));
        if (found == nullptr) {
            throw ScenarioError(std::string(name) + " is not " + what);
        }
        return found;
    }

    qt::WindowManager windows_;
};

}  // namespace

std::unique_ptr<Driver> makeWidgetDriver() {
    return std::make_unique<WidgetDriver>();
}

}  // namespace talvera::scenarios
