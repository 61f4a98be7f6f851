#include <QLabel>

#include "ui/qt/kind_binding.h"
#include "ui/qt/pictures.h"

namespace talvera::ui::qt {

namespace {

// The picture is laid out at its designed size and drawn with that many more device pixels, so a
// page of text keeps its lines where they were at 100 % and stays sharp at any zoom.
qreal drawingRatio(const QLabel* picture, const Scale& scale) {
    return picture->devicePixelRatioF() * scale.percent() / 100.0;
}

void draw(QLabel* picture, const Control& control, const Scale& scale) {
    QPixmap pixmap = drawPicture(control.design().picture, toPixels(control.place()).size(),
                                 drawingRatio(picture, scale));
    pixmap.setDevicePixelRatio(picture->devicePixelRatioF());
    picture->setPixmap(pixmap);
}

bool drawnAt(const QLabel* picture, const Control& control, const Scale& scale) {
    return picture->pixmap().size() ==
           toPixels(control.place()).size() * drawingRatio(picture, scale);
}

QWidget* create(const Control& control, QWidget* parent, const Scale& scale) {
    auto* picture = new QLabel(parent);
    draw(picture, control, scale);
    return picture;
}

// A hidden picture, such as an instruction page not shown, is drawn at the new zoom only when it
// shows, so that a zoom step costs one drawing per window at most.
void rescale(QWidget* widget, const Control& control, const Scale& scale) {
    if (control.visible()) {
        draw(qobject_cast<QLabel*>(widget), control, scale);
    }
}

void aboutToShow(QWidget* widget, const Control& control, const Scale& scale) {
    auto* picture = qobject_cast<QLabel*>(widget);
    if (!drawnAt(picture, control, scale)) {
        draw(picture, control, scale);
    }
}

}  // namespace

const KindBinding& pictureBinding() {
    static const KindBinding binding{
        .create = create, .rescale = rescale, .aboutToShow = aboutToShow};
    return binding;
}

}  // namespace talvera::ui::qt
