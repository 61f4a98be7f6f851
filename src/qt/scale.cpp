#include "qt/scale.h"

namespace talvera::qt {

namespace {

// A window's zoom, kept as a child of the window so that it goes with it.
class WindowScale : public QObject {
  public:
    WindowScale(QWidget* window, Scale scale) : QObject(window), scale_(scale) {}
    Scale scale() const { return scale_; }
    void setScale(Scale scale) { scale_ = scale; }

  private:
    Scale scale_;
};

WindowScale* windowScale(const QWidget* window) {
    for (QObject* child : window->children()) {
        if (auto* found = dynamic_cast<WindowScale*>(child)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

Scale scaleOf(const QWidget* widget) {
    if (widget == nullptr) {
        return Scale();
    }
    const WindowScale* found = windowScale(widget->window());
    return found != nullptr ? found->scale() : Scale();
}

void setScaleOf(QWidget* window, Scale scale) {
    if (WindowScale* found = windowScale(window)) {
        found->setScale(scale);
    } else {
        new WindowScale(window, scale);
    }
}

}  // namespace talvera::qt
