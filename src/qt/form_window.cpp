#include "qt/form_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QShortcut>

#include "qt/control_binding.h"
#include "qt/fonts.h"
#include "qt/kind_binding.h"
#include "qt/scale.h"
#include "qt/widget_look.h"
#include "ui/user.h"
#include "ui/zoom.h"

namespace talvera::qt {

FormWindow::FormWindow(ui::Form& form)
    : form_(&form), clientSize_(form.clientSize()), announcer_(new Announcer(this)) {
    setObjectName(QString::fromStdString(form.name()));
    setWindowTitle(QString::fromStdString(form.caption()));
    if (!form.accessibleName().empty()) {
        setAccessibleName(QString::fromStdString(form.accessibleName()));
    }
    // What the style and the message boxes size and colour by, at 100 % too.
    setLookOf(this, look_);

    applyFont();
    auto* canvas = new QWidget(this);
    canvas_ = canvas;
    canvas->setObjectName(QStringLiteral("canvas"));
    sizeCanvas();
    canvas->setAutoFillBackground(true);
    applyColours();
    setCentralWidget(canvas);

    buildMenus();
    buildKeys();
    buildControls(canvas);
    applyTabOrder();
    form.addObserver(this);
    // The form keeps track of the focus, so that it can move it on before the focused control
    // is disabled or hidden.
    focusWatch_ =
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* /*old*/, QWidget* now) {
            const auto it = controls_.find(now);
            if (form_ != nullptr && it != controls_.end()) {
                form_->noteFocus(it->second);
            }
        });
    // The pages are laid out for one size; the window keeps it. A resizable window may grow, and
    // shrink to half its size, its drawings filling it.
    if (!form.resizable()) {
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    }
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    fillWithDrawings();
}

void FormWindow::fillWithDrawings() {
    if (form_ == nullptr || !form_->resizable()) {
        return;
    }
    for (const auto& control : form_->controls()) {
        if (control->kind() == ui::ControlKind::Drawing) {
            widgets_.at(control.get())->setGeometry(canvas_->rect());
        }
    }
}

void FormWindow::sizeCanvas() {
    const QSize designed = look_.scale.toPixels(clientSize_);
    if (form_ != nullptr && form_->resizable()) {
        canvas_->setMinimumSize(designed / 2);
        return;
    }
    canvas_->setFixedSize(designed);
}

FormWindow::~FormWindow() {
    disconnect(focusWatch_);
    detach();
}

void FormWindow::detach() {
    if (form_ != nullptr) {
        form_->removeObserver(this);
        form_ = nullptr;
        guard_.detach();
    }
}

namespace {

// The caption with its access key marked, as Qt shows and registers it: "&Ficheiro".
QString withAccessKey(const ui::MenuItem& item) {
    QString text = QString::fromStdString(item.caption);
    if (item.accessKey != 0) {
        const auto at = text.indexOf(QLatin1Char(item.accessKey), 0, Qt::CaseInsensitive);
        if (at >= 0) {
            text.insert(at, QLatin1Char('&'));
        }
    }
    return text;
}

// A menu item's tick, whether it can be chosen, and what it says about itself.
void showMenuState(QAction* action, const ui::MenuItem& item) {
    action->setChecked(item.checked);
    action->setEnabled(item.enabled);
    action->setToolTip(QString::fromStdString(item.tooltip));
}

Qt::Key qtKey(ui::FormKey key) {
    switch (key) {
        case ui::FormKey::Left:
            return Qt::Key_Left;
        case ui::FormKey::Right:
            return Qt::Key_Right;
        case ui::FormKey::PageUp:
            return Qt::Key_PageUp;
        case ui::FormKey::PageDown:
            return Qt::Key_PageDown;
        case ui::FormKey::Escape:
            break;
    }
    return Qt::Key_Escape;
}

}  // namespace

// The window's font is the application's at the zoom; every control without a designed font, the
// menus and the message boxes over the window take it from here.
void FormWindow::applyFont() {
    setFont(zoomedFont(QApplication::font(), look_.scale.percent()));
}

// The normal look is the application's own palette, untouched.
void FormWindow::applyColours() {
    setPalette(look_.highContrast ? highContrastPalette() : QPalette());
    QPalette canvas = canvas_->palette();
    canvas.setColor(QPalette::Window,
                    toQColor(shownColor(form_ != nullptr ? form_->background() : ui::colors::face,
                                        look_.highContrast)));
    canvas_->setPalette(canvas);
}

QSize FormWindow::sizeAt(int percent) const {
    QSize size = Scale(percent).toPixels(clientSize_);
    if (const QWidget* bar = menuWidget()) {
        size.rheight() += bar->sizeHint().height() * percent / look_.scale.percent();
    }
    return size;
}

void FormWindow::setZoom(int percent) {
    applyLook({Scale(percent), look_.highContrast});
}

void FormWindow::setHighContrast(bool on) {
    applyLook({look_.scale, on});
}

void FormWindow::applyLook(Look look) {
    if (look == look_) {
        return;
    }
    const bool coloursChange = look.highContrast != look_.highContrast;
    // A window the user sizes keeps the size chosen, grown or shrunk with the zoom.
    const QSize resized = size() * look.scale.percent() / look_.scale.percent();
    look_ = look;
    setLookOf(this, look_);
    // One paint at the end instead of one per widget.
    setUpdatesEnabled(false);
    applyFont();
    if (coloursChange) {
        applyColours();
    }
    sizeCanvas();
    if (form_ != nullptr) {
        // In the order the controls were added, so that a container is done before what it holds.
        for (const auto& control : form_->controls()) {
            restyle(widgets_.at(control.get()), *control, look_);
        }
    }
    fillWithDrawings();
    setUpdatesEnabled(true);
    if (form_ != nullptr && form_->resizable()) {
        resize(resized);
    } else {
        adjustSize();
    }
}

// The window's keys act wherever its focus is, ahead of the focused widget.
void FormWindow::buildKeys() {
    for (const auto& [key, handler] : form_->keyHandlers()) {
        auto* shortcut = new QShortcut(QKeySequence(qtKey(key)), this);
        connect(shortcut, &QShortcut::activated, this, [this, key = key] {
            if (form_ != nullptr) {
                ui::user::pressKey(*form_, key);
            }
        });
    }
}

void FormWindow::buildMenus() {
    const auto& items = form_->menuBar();
    if (items.empty()) {
        return;
    }
    // F10 opens the first menu of the bar, as on other desktops.
    auto* openBar = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(openBar, &QShortcut::activated, this, [this] {
        if (!menuBar()->actions().isEmpty()) {
            menuBar()->setActiveAction(menuBar()->actions().first());
        }
    });
    auto addAction = [this](auto* target, const ui::MenuItem& item) {
        QAction* action = target->addAction(withAccessKey(item));
        action->setObjectName(QString::fromStdString(item.name));
        QList<QKeySequence> keys;
        for (const std::string& shortcut : item.shortcuts) {
            keys.append(QKeySequence(QString::fromStdString(shortcut)));
        }
        action->setShortcuts(keys);
        action->setCheckable(item.checkable);
        actions_[item.name] = action;
        showMenuState(action, item);
        connect(action, &QAction::triggered, this, [this, caption = item.caption] {
            if (form_ != nullptr) {
                ui::user::choose(*form_, caption);
            }
        });
    };
    for (const ui::MenuItem& item : items) {
        if (item.items.empty()) {
            addAction(menuBar(), item);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(withAccessKey(item));
        // A drop-down is a window of its own: it takes the zoomed font from the page.
        menu->setAttribute(Qt::WA_WindowPropagation);
        menu->setObjectName(QString::fromStdString(item.name));
        // An item that is off says why.
        menu->setToolTipsVisible(true);
        for (const ui::MenuItem& inner : item.items) {
            addAction(menu, inner);
        }
    }
}

void FormWindow::menuChanged(const ui::MenuItem& item) {
    if (const auto found = actions_.find(item.name); found != actions_.end()) {
        showMenuState(found->second, item);
    }
}

void FormWindow::announced(std::string_view sentence) {
    announcer_->say(QString::fromUtf8(sentence.data(), static_cast<qsizetype>(sentence.size())));
}

void FormWindow::announcedControl(const ui::Control& control) {
    const QWidget* widget = widgets_.at(&control);
    announcer_->say(widget->accessibleName() + QStringLiteral(". ") +
                    widget->accessibleDescription());
}

void FormWindow::focusFirst() {
    if (form_ == nullptr || form_->focused() == nullptr) {
        return;
    }
    QWidget* widget = widgets_.at(form_->focused());
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        const QuietSelection quiet(box);
        box->setFocus(Qt::TabFocusReason);
        box->selectAll();
    } else {
        widget->setFocus(Qt::TabFocusReason);
    }
}

void FormWindow::buildControls(QWidget* canvas) {
    for (const auto& control : form_->controls()) {
        const ui::Control* container = control->container();
        QWidget* parent = container == nullptr ? canvas : widgets_.at(container);
        QWidget* widget = bindControl(*control, parent, look_, guard_);
        widgets_.emplace(control.get(), widget);
        controls_.emplace(widget, control.get());
    }
}

void FormWindow::applyTabOrder() {
    QWidget* previous = nullptr;
    for (const ui::Control* control : form_->tabOrder()) {
        QWidget* widget = widgets_.at(control);
        if (previous != nullptr) {
            setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void FormWindow::controlChanged(const ui::Control& control, ui::Change what) {
    mirror(widgets_.at(&control), control, what, look_, guard_);
}

QWidget* FormWindow::widgetFor(std::string_view controlName) const {
    return findChild<QWidget*>(
        QString::fromUtf8(controlName.data(), static_cast<qsizetype>(controlName.size())));
}

QAction* menuAction(const QWidget& window, std::string_view caption) {
    const QString wanted =
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    for (QAction* action : window.findChildren<QAction*>()) {
        if (QString(action->text()).remove(QLatin1Char('&')) == wanted) {
            return action;
        }
    }
    return nullptr;
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The program decides what closing a window means; the window goes when its form does.
    event->ignore();
    if (form_ != nullptr) {
        ui::user::close(*form_);
    }
}

}  // namespace talvera::qt
