#pragma once

#include <QPainter>
#include <QSizeF>

#include "qt/drawing_ink.h"
#include "ui/drawing.h"

namespace talvera::qt {

// The height a drawing takes when its figures fill the width: its heading on top, then each
// figure under the last.
qreal drawingHeight(const ui::Drawing& drawing, qreal width, const DrawingInk& ink);

// Paints the drawing on white into a place of that size at the painter's origin. A drawing
// taller than the place is scaled down to fit, keeping its aspect, and laid out for the width
// it then has, so that it still fills the place from side to side where it can.
void paintDrawing(QPainter& painter, const ui::Drawing& drawing, const QSizeF& size,
                  const DrawingInk& ink);

}  // namespace talvera::qt
