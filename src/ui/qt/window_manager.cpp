#include "ui/qt/window_manager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace talvera::ui::qt {

WindowManager::~WindowManager() {
    for (auto& [form, window] : windows_) {
        delete window.data();
    }
}

FormWindow* WindowManager::windowFor(const Form& form) const {
    const auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.data();
}

void WindowManager::formOpened(Form& form) {
    auto* window = new FormWindow(form);
    windows_[&form] = window;
    window->adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
    window->show();
}

void WindowManager::formRaised(Form& form) {
    if (FormWindow* window = windowFor(form)) {
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
}

void WindowManager::formClosing(Form& form) {
    const auto it = windows_.find(&form);
    if (it == windows_.end()) {
        return;
    }
    if (FormWindow* window = it->second.data()) {
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

}  // namespace talvera::ui::qt
