#include "qt/drawing_widget.h"

#include <QEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "qt/drawing_ink.h"
#include "qt/drawing_painter.h"

namespace talvera::qt {

namespace {

// Wide enough for a sum's bars with their labels and factors at 100 %, in lines of text.
constexpr qreal preferredWidth = 36;

}  // namespace

DrawingWidget::DrawingWidget(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted, white where there is nothing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void DrawingWidget::setDrawing(ui::Drawing drawing) {
    // What a screen reader reads of it is the model's, as for every control.
    drawing_ = std::move(drawing);
    updateGeometry();
    update();
}

void DrawingWidget::setLook(const Look& look) {
    look_ = look;
    updateGeometry();
    update();
}

int DrawingWidget::heightForWidth(int width) const {
    return static_cast<int>(std::ceil(drawingHeight(drawing_, width, DrawingInk(look_, font()))));
}

QSize DrawingWidget::sizeHint() const {
    const DrawingInk ink(look_, font());
    const int width = static_cast<int>(std::ceil(ink.em() * preferredWidth));
    return {width, heightForWidth(width)};
}

void DrawingWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintDrawing(painter, drawing_, size(), DrawingInk(look_, font()));
}

void DrawingWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        updateGeometry();
        update();
    }
    QWidget::changeEvent(event);
}

}  // namespace talvera::qt
