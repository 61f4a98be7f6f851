#include "qt/drawing_painter.h"

#include <algorithm>
#include <variant>

#include "qt/bar_figure.h"
#include "qt/drawn_count.h"
#include "qt/figure_space.h"
#include "qt/grid_figure.h"
#include "qt/line_figure.h"
#include "qt/text_block.h"
#include "qt/text_figures.h"

namespace talvera::qt {

namespace {

qreal margin(const DrawingInk& ink) {
    return ink.em() / 2;
}

qreal spacing(const DrawingInk& ink) {
    return ink.em() * 0.7;
}

// Measures the drawing at the width, and paints it too when given a painter: both follow the
// same steps, so that what is measured is what is painted.
qreal layOut(QPainter* painter, const ui::Drawing& drawing, qreal width, const DrawingInk& ink) {
    const qreal inner = std::max<qreal>(0, width - 2 * margin(ink));
    const FigureSpace space = figureSpace(drawing.figures, inner, ink);
    if (painter != nullptr) {
        painter->translate(margin(ink), 0);
    }
    qreal y = margin(ink);
    const QString heading = QString::fromStdString(drawing.heading);
    if (const qreal height = textHeight(heading, ink.heading(), inner); height > 0) {
        if (painter != nullptr) {
            painter->setPen(ink.line());
            drawText(*painter, heading, ink.heading(), QRectF(0, y, inner, height));
        }
        y += height + spacing(ink);
    }
    const auto count = std::min<std::size_t>(drawing.figures.size(), maxDrawnCount);
    for (std::size_t i = 0; i < count; ++i) {
        std::visit(
            [&](const auto& figure) {
                if (painter != nullptr) {
                    paintFigure(*painter, figure, y, space);
                }
                y += figureHeight(figure, space) + spacing(ink);
            },
            drawing.figures[i]);
    }
    return y - spacing(ink) + margin(ink);
}

}  // namespace

qreal drawingHeight(const ui::Drawing& drawing, qreal width, const DrawingInk& ink) {
    return layOut(nullptr, drawing, width, ink);
}

void paintDrawing(QPainter& painter, const ui::Drawing& drawing, const QSizeF& size,
                  const DrawingInk& ink) {
    painter.fillRect(QRectF(QPointF(0, 0), size), Qt::white);
    if (size.isEmpty()) {
        return;
    }
    qreal width = size.width();
    qreal scale = 1;
    if (const qreal height = drawingHeight(drawing, width, ink); height > size.height()) {
        scale = size.height() / height;
        width = size.width() / scale;
        scale = std::min(scale, size.height() / drawingHeight(drawing, width, ink));
    }
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.translate((size.width() - width * scale) / 2, 0);
    painter.scale(scale, scale);
    layOut(&painter, drawing, width, ink);
    painter.restore();
}

}  // namespace talvera::qt
