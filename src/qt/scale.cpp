#include "qt/scale.h"

namespace talvera::qt {

namespace {

// A window's look, kept as a child of the window so that it goes with it.
class WindowLook : public QObject {
  public:
    WindowLook(QWidget* window, Look look) : QObject(window), look_(look) {}
    Look look() const { return look_; }
    void setLook(Look look) { look_ = look; }

  private:
    Look look_;
};

WindowLook* windowLook(const QWidget* window) {
    for (QObject* child : window->children()) {
        if (auto* found = dynamic_cast<WindowLook*>(child)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

Look lookOf(const QWidget* widget) {
    if (widget == nullptr) {
        return {};
    }
    const WindowLook* found = windowLook(widget->window());
    return found != nullptr ? found->look() : Look{};
}

void setLookOf(QWidget* window, Look look) {
    if (WindowLook* found = windowLook(window)) {
        found->setLook(look);
    } else {
        new WindowLook(window, look);
    }
}

}  // namespace talvera::qt
