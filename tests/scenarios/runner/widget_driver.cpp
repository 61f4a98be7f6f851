#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <map>

#include "driver.h"
#include "ui/qt/window_manager.h"

namespace talvera::scenarios {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
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
        QAction* action = window(form).menuAction(caption);
        if (action == nullptr) {
            throw ScenarioError(std::string(form) + " has no menu item " + std::string(caption));
        }
        action->trigger();
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
            for (const QChar character : toQString(text)) {
                // Key codes stop at Latin-1; beyond it a key press carries just its text.
                if (character.unicode() <= 0xFF) {
                    QTest::keyClick(edit, character.toLatin1());
                } else {
                    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(character),
                                        Qt::NoModifier);
                }
            }
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

    void close(std::string_view form) override {
        window(form).close();
        settle();
    }

    std::string text(std::string_view form, std::string_view name) override {
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
        ui::qt::FormWindow& shown = window(form);
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

    ui::qt::FormWindow& window(std::string_view form) {
        ui::qt::FormWindow* found = windows_.windowFor(openForm(form));
        if (found == nullptr) {
            throw ScenarioError(std::string(form) + " has no window");
        }
        return *found;
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

    ui::qt::WindowManager windows_;
};

}  // namespace

std::unique_ptr<Driver> makeWidgetDriver() {
    return std::make_unique<WidgetDriver>();
}

}  // namespace talvera::scenarios
