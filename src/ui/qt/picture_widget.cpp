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
    update();
}

// The picture is laid out at its designed size and painted through the zoom, so a page of text
// keeps its lines where they were at 100 % and stays sharp at any zoom. It is painted straight
// onto the window, each time: a copy kept beside the window's own would double what it holds.
void PictureWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.scale(zoom_, zoom_);
    paintPicture(painter, picture_, designed_);
}

}  // namespace talvera::ui::qt
