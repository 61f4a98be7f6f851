#include "qt/picture_widget.h"

#include <QPainter>
#include <utility>

namespace talvera::qt {

PictureWidget::PictureWidget(std::string picture, QSize designed, qreal zoom, QWidget* parent)
    : QLabel(parent), name_(std::move(picture)), designed_(designed), zoom_(zoom) {
    // What a screen reader needs is read now; the document itself only when first drawn.
    if (const auto reading = Picture(name_, 0).reading()) {
        setAccessibleName(reading->title);
        text_ = reading->text;
        setAccessibleDescription(text_);
    }
}

void PictureWidget::setZoom(qreal zoom) {
    zoom_ = zoom;
    update();
}

// The picture is laid out at its designed size and painted through the zoom, so a page of text
// keeps its lines where they were at 100 % and stays sharp at any zoom.
void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    if (!picture_) {
        picture_ = std::make_unique<Picture>(name_, designed_.width());
    }
    QPainter painter(this);
    painter.scale(zoom_, zoom_);
    picture_->paint(painter, designed_);
}

}  // namespace talvera::qt
