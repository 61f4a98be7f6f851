#pragma once

#include <QLineF>
#include <QPainter>
#include <vector>

#include "qt/drawing_ink.h"

namespace talvera::qt {

// Lines that cut a bar or a square into parts, in black edged with white, so that they show on a
// solid shading as well as on white.
void drawDividers(QPainter& painter, const std::vector<QLineF>& lines, qreal width,
                  const DrawingInk& ink);

// A frame round a place, in black at the width.
void drawFrame(QPainter& painter, const QRectF& place, qreal width, const DrawingInk& ink);

}  // namespace talvera::qt
