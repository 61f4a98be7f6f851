#include "qt/text_block.h"

#include <QTextLayout>
#include <algorithm>

namespace talvera::qt {

namespace {

// Lays the text out in lines of the width, one under the other; the box's height and its widest
// line. A width of less than a pixel is taken as one, so that each line still holds a letter.
QSizeF layOut(QTextLayout& layout, qreal width, Qt::Alignment alignment) {
    QTextOption option(alignment);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QSizeF size;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(1, width));
        line.setPosition({0, size.height()});
        size.rheight() += line.height();
        size.rwidth() = std::max(size.width(), line.naturalTextWidth());
    }
    layout.endLayout();
    return size;
}

}  // namespace

qreal textHeight(const QString& text, const QFont& font, qreal width) {
    if (text.isEmpty()) {
        return 0;
    }
    QTextLayout layout(text, font);
    return layOut(layout, width, Qt::AlignLeft).height();
}

qreal textWidth(const QString& text, const QFont& font, qreal width) {
    QTextLayout layout(text, font);
    return layOut(layout, width, Qt::AlignLeft).width();
}

void drawText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
              Qt::Alignment alignment) {
    if (text.isEmpty()) {
        return;
    }
    QTextLayout layout(text, font);
    layOut(layout, box.width(), alignment);
    layout.draw(&painter, box.topLeft());
}

}  // namespace talvera::qt
