#include "qt/window_manager.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>
#include <algorithm>
#include <array>
#include <utility>

#include "ui/zoom.h"

namespace talvera::qt {

WindowManager::WindowManager(ZoomMemory* memory)
    : memory_(memory), zoom_(memory != nullptr ? memory->load() : ui::zoom::normal) {}

WindowManager::~WindowManager() {
    for (auto& [form, window] : windows_) {
        delete window.data();
    }
}

FormWindow* WindowManager::windowFor(const ui::Form& form) const {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.data();
}

// The window is built, focused and shown in silence: a screen reader then hears the window's name
// and its focused control as the window activates, and nothing before.
void WindowManager::formOpened(ui::Form& form) {
    const AccessibleSilence silence;
    auto* window = new FormWindow(form);
    windows_[&form] = window;
    // Where the menus have the zoom's items, their shortcuts are the zoom's keys.
    if (form.menuBar().empty()) {
        addZoomKeys(window);
    }
    window->setHighContrast(highContrast_);
    window->setZoom(fittingZoom(window, zoom_));
    if (form.resizable()) {
        placeBeside(window, QApplication::activeWindow());
    } else {
        window->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = window->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window->move(frame.topLeft());
        }
    }
    window->focusFirst();
    window->show();
}

// A window the user moves and resizes comes back where it was left, on whichever screen that was;
// the first time, it opens where it covers the least of the page it was opened from.
void WindowManager::placeBeside(FormWindow* window, const QWidget* page) const {
    const QString name = window->objectName();
    if (const auto kept = memory_ != nullptr ? memory_->place(name) : std::nullopt;
        kept && QGuiApplication::screenAt(kept->center()) != nullptr) {
        window->setGeometry(*kept);
        return;
    }
    window->resize(window->sizeAt(window->zoom()));
    const QScreen* screen = page != nullptr ? page->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect area = screen->availableGeometry();
    const QRect covered = page != nullptr ? page->frameGeometry() : QRect();
    const QSize size = window->frameGeometry().size();
    // Right of the page, left of it, below it, above it, each kept within the screen.
    const std::array<QPoint, 4> candidates{QPoint(covered.right() + 1, covered.top()),
                                           QPoint(covered.left() - size.width(), covered.top()),
                                           QPoint(covered.left(), covered.bottom() + 1),
                                           QPoint(covered.left(), covered.top() - size.height())};
    QRect best;
    qint64 leastCovered = -1;
    for (const QPoint& corner : candidates) {
        QRect place(corner, size);
        place.moveLeft(std::clamp(place.left(), area.left(),
                                  std::max(area.left(), area.right() - size.width() + 1)));
        place.moveTop(std::clamp(place.top(), area.top(),
                                 std::max(area.top(), area.bottom() - size.height() + 1)));
        const QRect overlap = place.intersected(covered);
        const qint64 hidden =
            overlap.isEmpty() ? 0 : static_cast<qint64>(overlap.width()) * overlap.height();
        if (leastCovered < 0 || hidden < leastCovered) {
            leastCovered = hidden;
            best = place;
        }
    }
    window->move(best.topLeft());
}

void WindowManager::formRaised(ui::Form& form) {
    if (FormWindow* window = windowFor(form)) {
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

void WindowManager::formClosing(ui::Form& form) {
    const auto it = windows_.find(&form);
    if (it == windows_.end()) {
        return;
    }
    if (FormWindow* window = it->second.data()) {
        if (form.resizable() && memory_ != nullptr) {
            memory_->savePlace(window->objectName(), window->geometry());
        }
        window->detach();
        window->hide();
        // Later: the close may come from a signal of one of the window's own widgets.
        window->deleteLater();
    }
    windows_.erase(it);
}

void WindowManager::programEnded() {
    QCoreApplication::quit();
}

void WindowManager::changeZoom(ui::zoom::Step step) {
    switch (step) {
        case ui::zoom::Step::In:
            zoomIn();
            break;
        case ui::zoom::Step::Out:
            zoomOut();
            break;
        case ui::zoom::Step::Normal:
            zoomToNormal();
            break;
    }
}

void WindowManager::setHighContrast(bool on) {
    highContrast_ = on;
    for (const auto& [form, window] : windows_) {
        if (window) {
            window->setHighContrast(on);
        }
    }
}

void WindowManager::zoomIn() {
    // A step at which some open window would not fit is not taken.
    const int next = ui::zoom::larger(zoom_);
    for (const auto& [form, window] : windows_) {
        if (window && fittingZoom(window.data(), next) != next) {
            return;
        }
    }
    choose(next);
}

void WindowManager::zoomOut() {
    choose(ui::zoom::smaller(zoom_));
}

void WindowManager::zoomToNormal() {
    choose(ui::zoom::normal);
}

void WindowManager::addZoomKeys(FormWindow* window) {
    const std::array<std::pair<QKeySequence, void (WindowManager::*)()>, 4> keys{{
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), &WindowManager::zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), &WindowManager::zoomIn},
        {QKeySequence(Qt::CTRL | Qt::Key_Minus), &WindowManager::zoomOut},
        {QKeySequence(Qt::CTRL | Qt::Key_0), &WindowManager::zoomToNormal},
    }};
    for (const auto& key : keys) {
        auto* shortcut = new QShortcut(key.first, window);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [this, act = key.second] { (this->*act)(); });
    }
}

void WindowManager::choose(int percent) {
    zoom_ = percent;
    if (memory_ != nullptr) {
        memory_->save(percent);
    }
    for (const auto& [form, window] : windows_) {
        if (window) {
            window->setZoom(fittingZoom(window.data(), zoom_));
            keepOnScreen(window.data());
        }
    }
}

QSize WindowManager::available(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry().size() : QSize();
}

QSize WindowManager::outerSizeAtNormal(const FormWindow* window) const {
    // The frame is known once a window has been shown; the first one is measured without it.
    QSize frame(0, 0);
    for (const auto& [form, shown] : windows_) {
        if (shown && shown->isVisible()) {
            frame = shown->frameGeometry().size() - shown->geometry().size();
            break;
        }
    }
    return window->sizeAt(ui::zoom::normal) + frame;
}

int WindowManager::fittingZoom(const FormWindow* window, int wanted) const {
    const QSize area = available(window);
    if (area.isEmpty()) {
        return wanted;
    }
    const QSize size = outerSizeAtNormal(window);
    return ui::zoom::fitting(wanted, {size.width(), size.height()}, {area.width(), area.height()});
}

// A window that grew keeps its place but for what would go past the screen's area.
void WindowManager::keepOnScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr || !window->isVisible()) {
        return;
    }
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    frame.moveRight(std::min(frame.right(), area.right()));
    frame.moveBottom(std::min(frame.bottom(), area.bottom()));
    frame.moveLeft(std::max(frame.left(), area.left()));
    frame.moveTop(std::max(frame.top(), area.top()));
    window->move(frame.topLeft());
}

}  // namespace talvera::qt
