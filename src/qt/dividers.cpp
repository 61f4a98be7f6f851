#include "qt/dividers.h"

namespace talvera::qt {

void drawDividers(QPainter& painter, const std::vector<QLineF>& lines, qreal width,
                  const DrawingInk& ink) {
    if (lines.empty()) {
        return;
    }
    painter.save();
    const auto count = static_cast<int>(lines.size());
    painter.setPen(QPen(Qt::white, width + ink.px(2), Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines.data(), count);
    painter.setPen(QPen(ink.line(), width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines.data(), count);
    painter.restore();
}

void drawFrame(QPainter& painter, const QRectF& place, qreal width, const DrawingInk& ink) {
    painter.save();
    painter.setPen(QPen(ink.line(), width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(place);
    painter.restore();
}

}  // namespace talvera::qt
