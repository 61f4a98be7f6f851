#include "ui/qt/form_window.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "ui/qt/control_binding.h"
#include "ui/qt/fonts.h"
#include "ui/qt/units.h"
#include "ui/user.h"

namespace talvera::ui::qt {

FormWindow::FormWindow(Form& form) : form_(&form) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(QString::fromStdString(form.caption()));

    auto* canvas = new QWidget(this);
    canvas->setObjectName(QStringLiteral("canvas"));
    canvas->setFixedSize(toPixels(form.clientSize()));
    canvas->setAutoFillBackground(true);
    QPalette palette = canvas->palette();
    palette.setColor(QPalette::Window, toQColor(form.background()));
    canvas->setPalette(palette);
    setCentralWidget(canvas);

    buildMenus();
    buildControls(canvas);
    applyTabOrder();
    form.addObserver(this);
    // The pages are laid out for one size; the window keeps it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

FormWindow::~FormWindow() {
    detach();
}

void FormWindow::detach() {
    if (form_ != nullptr) {
        form_->removeObserver(this);
        form_ = nullptr;
        guard_.detach();
    }
}

void FormWindow::buildMenus() {
    const auto& items = form_->menuBar();
    if (items.empty()) {
        return;
    }
    auto addAction = [this](auto* target, const MenuItem& item) {
        QAction* action = target->addAction(QString::fromStdString(item.caption));
        action->setObjectName(QString::fromStdString(item.name));
        connect(action, &QAction::triggered, this, [this, caption = item.caption] {
            if (form_ != nullptr) {
                user::choose(*form_, caption);
            }
        });
    };
    for (const MenuItem& item : items) {
        if (item.items.empty()) {
            addAction(menuBar(), item);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(QString::fromStdString(item.caption));
        menu->setObjectName(QString::fromStdString(item.name));
        for (const MenuItem& inner : item.items) {
            addAction(menu, inner);
        }
    }
}

void FormWindow::buildControls(QWidget* canvas) {
    for (const auto& control : form_->controls()) {
        const Control* container = control->container();
        QWidget* parent = container == nullptr ? canvas : widgets_.at(container);
        widgets_.emplace(control.get(), bindControl(*control, parent, scale_, guard_));
    }
}

void FormWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const Control* control : form_->tabOrder()) {
        QWidget* widget = widgets_.at(control);
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void FormWindow::controlChanged(const Control& control, Change what) {
    mirror(widgets_.at(&control), control, what, scale_, guard_);
}

QWidget* FormWindow::widgetFor(std::string_view controlName) const {
    return findChild<QWidget*>(
        QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size())));
}

QAction* FormWindow::menuAction(std::string_view caption) const {
    const QString wanted =
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    for (QAction* action : findChildren<QAction*>()) {
        if (action->text() == wanted && action->menu() == nullptr) {
            return action;
        }
    }
    return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The program decides what closing a window means; the window goes when its form does.
    event->ignore();
    if (form_ != nullptr) {
        user::close(*form_);
    }
}

}  // namespace talvera::ui::qt
