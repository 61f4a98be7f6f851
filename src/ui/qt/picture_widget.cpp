#include "ui/qt/picture_widget.h"

#include <QPainter>
#include <utility>

#include "ui/qt/pictures.h"

namespace talvera::ui::qt {

PictureWidget::PictureWidget(std::string picture, QSize designed, qreal zoom, QWidget* parent)
    : QLabel(parent), picture_(std::move(picture)), designed_(designed), zoom_(zoom) {
    // Read once: the document is dropped at once and laid out again only to be drawn.
    if (const auto reading = readTextPicture(picture_)) {
        setAccessibleName(reading->title);
        text_ = reading->text;
        setAccessibleDescription(text_);
    }
}

void PictureWidget::setZoom(qreal zoom) {
    zoom_ = zoom;
    drawn_ = QPixmap();
    update();
}

// The picture is laid out at its designed size and drawn with that many more device pixels, so a
// page of text keeps its lines where they were at 100 % and stays sharp at any zoom.
void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    const qreal ratio = devicePixelRatioF();
    const qreal density = ratio * zoom_;
    if (drawn_.isNull() || !qFuzzyCompare(drawn_.devicePixelRatio(), ratio)) {
        drawn_ = drawPicture(picture_, designed_, density);
        drawn_.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

void PictureWidget::hideEvent(QHideEvent* event) {
    drawn_ = QPixmap();
    QLabel::hideEvent(event);
}

}  // namespace talvera::ui::qt
