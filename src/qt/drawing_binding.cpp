#include "qt/drawing_widget.h"
#include "qt/kind_binding.h"

namespace talvera::qt {

namespace {

// A picture the program builds as data, painted afresh at each paint at the window's look.
class DrawingBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& /*control*/, QWidget* parent) const override {
        return new DrawingWidget(parent);
    }

    void showDrawing(QWidget* widget, const ui::Control& control) const override {
        dynamic_cast<DrawingWidget&>(*widget).setDrawing(control.drawing());
    }

    void restyle(QWidget* widget, const ui::Control& /*control*/, const Look& look) const override {
        dynamic_cast<DrawingWidget&>(*widget).setLook(look);
    }
};

}  // namespace

const KindBinding& drawingBinding() {
    static const DrawingBinding binding;
    return binding;
}

}  // namespace talvera::qt
