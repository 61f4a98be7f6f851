#include "qt/kind_binding.h"
#include "qt/picture_widget.h"

namespace talvera::qt {

namespace {

class PictureBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& control, QWidget* parent) const override {
        return new PictureWidget(control.design().picture, Scale().toPixels(control.place()).size(),
                                 1.0, parent);
    }

    void restyle(QWidget* widget, const ui::Control& /*control*/, const Look& look) const override {
        dynamic_cast<PictureWidget&>(*widget).setZoom(look.scale.factor());
    }

    // A description set in the model wins; otherwise a text picture reads as its own text.
    void describe(QWidget* widget, const ui::Control& control) const override {
        const auto& picture = dynamic_cast<const PictureWidget&>(*widget);
        widget->setAccessibleDescription(control.description().empty()
                                             ? picture.spokenText()
                                             : QString::fromStdString(control.description()));
    }
};

}  // namespace

const KindBinding& pictureBinding() {
    static const PictureBinding binding;
    return binding;
}

}  // namespace talvera::qt
