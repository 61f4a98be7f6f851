#include "ui/qt/kind_binding.h"
#include "ui/qt/picture_widget.h"

namespace talvera::ui::qt {

namespace {

qreal zoomOf(const Scale& scale) {
    return scale.percent() / 100.0;
}

QWidget* create(const Control& control, QWidget* parent, const Scale& scale) {
    return new PictureWidget(control.design().picture, toPixels(control.place()).size(),
                             zoomOf(scale), parent);
}

void rescale(QWidget* widget, const Control& /*control*/, const Scale& scale) {
    dynamic_cast<PictureWidget&>(*widget).setZoom(zoomOf(scale));
}

// A description set in the model wins; otherwise a text picture reads as its own text.
void describe(QWidget* widget, const Control& control) {
    const auto& picture = dynamic_cast<const PictureWidget&>(*widget);
    widget->setAccessibleDescription(control.description().empty()
                                         ? picture.spokenText()
                                         : QString::fromStdString(control.description()));
}

}  // namespace

const KindBinding& pictureBinding() {
    static const KindBinding binding{.create = create, .rescale = rescale, .describe = describe};
    return binding;
}

}  // namespace talvera::ui::qt
