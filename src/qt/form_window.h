#pragma once

#include <QMainWindow>
#include <string_view>
#include <unordered_map>

#include "qt/accessibility.h"
#include "qt/echo_guard.h"
#include "qt/scale.h"
#include "ui/form.h"

class QAction;

namespace talvera::qt {

// One real window for one form: a widget per control, built from the form, kept equal to it
// change by change, and feeding what the user does back through the user entry points.
class FormWindow : public QMainWindow, private ui::FormObserver {
    Q_OBJECT
  public:
    explicit FormWindow(ui::Form& form);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    ~FormWindow() override;

    // The form is going away: from now on the window neither mirrors nor forwards anything.
    void detach();

    QWidget* widgetFor(std::string_view controlName) const;

    // The zoom in percent, and the window's size at any zoom without its frame.
    int zoom() const { return look_.scale.percent(); }
    QSize sizeAt(int percent) const;
    // Lays the window out again at another zoom: every widget keeps its place in twips, its
    // designed font and its drawing, made anew at the new size. No widget is created.
    void setZoom(int percent);
    // Black on white with thick lines, or the program's own colours.
    void setHighContrast(bool on);
    bool highContrast() const { return look_.highContrast; }

    // Gives the keyboard focus to the control the form has it on, its text selected as Tab selects
    // it, so that typing replaces the example; for a window about to be shown.
    void focusFirst();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void controlChanged(const ui::Control& control, ui::Change what) override;
    void menuChanged(const ui::MenuItem& item) override;
    void announced(std::string_view sentence) override;
    void announcedControl(const ui::Control& control) override;
    void buildMenus();
    void buildKeys();
    void buildControls(QWidget* canvas);
    void applyTabOrder();
    void applyFont();
    void applyColours();
    void applyLook(Look look);
    void sizeCanvas();
    void fillWithDrawings();

    ui::Form* form_;
    ui::Size clientSize_;
    QWidget* canvas_ = nullptr;
    Look look_;
    EchoGuard guard_;
    // Dropped with the window, so that the focus moving away while it is taken apart finds
    // nothing of it.
    QMetaObject::Connection focusWatch_;
    std::unordered_map<const ui::Control*, QWidget*> widgets_;
    std::unordered_map<const QWidget*, const ui::Control*> controls_;
    std::unordered_map<std::string, QAction*> actions_;
    Announcer* announcer_;
};

// The menu or menu item of a window with that caption, its access key's "&" aside; nullptr for
// none.
QAction* menuAction(const QWidget& window, std::string_view caption);

}  // namespace talvera::qt
