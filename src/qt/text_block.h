#pragma once

#include <QFont>
#include <QPainter>
#include <QString>

// Text that wraps to a width: at spaces, and anywhere in a number too long for one line, such as
// a 28-digit fraction. Measured and drawn by the same layout, so that the two always agree.
namespace talvera::qt {

qreal textHeight(const QString& text, const QFont& font, qreal width);

// The widest line the text takes in that width.
qreal textWidth(const QString& text, const QFont& font, qreal width);

// Draws the text from the top of the box down, in the painter's pen, aligned left, right or
// centred in the box's width.
void drawText(QPainter& painter, const QString& text, const QFont& font, const QRectF& box,
              Qt::Alignment alignment = Qt::AlignLeft);

}  // namespace talvera::qt
