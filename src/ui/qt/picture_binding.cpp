#include <QLabel>

#include "ui/qt/kind_binding.h"
#include "ui/qt/pictures.h"

namespace talvera::ui::qt {

namespace {

// The picture is laid out at its designed size and drawn with that many more device pixels, so a
// page of text keeps its lines where they were at 100 % and stays sharp at any zoom.
void draw(QLabel* picture, const Control& control, const Scale& scale) {
    const qreal ratio = picture->devicePixelRatioF();
    QPixmap pixmap = drawPicture(control.design().picture, toPixels(control.place()).size(),
                                 ratio * scale.percent() / 100.0);
    pixmap.setDevicePixelRatio(ratio);
    picture->setPixmap(pixmap);
}

QWidget* create(const Control& control, QWidget* parent, const Scale& scale) {
    auto* picture = new QLabel(parent);
    draw(picture, control, scale);
    return picture;
}

void rescale(QWidget* widget, const Control& control, const Scale& scale) {
    draw(qobject_cast<QLabel*>(widget), control, scale);
}

}  // namespace

const KindBinding& pictureBinding() {
    static const KindBinding binding{.create = create, .rescale = rescale};
    return binding;
}

}  // namespace talvera::ui::qt
