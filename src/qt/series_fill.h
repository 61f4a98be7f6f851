#pragma once

#include <QPainter>

#include "qt/drawing_ink.h"
#include "ui/drawing.h"

// What tells the series apart besides colour, so that they differ in grey print, for colour-blind
// pupils and in high contrast alike.
namespace talvera::qt {

// Shades a place in a series' colour and pattern: the first solid, the second hatched, the result
// dotted. The patterns start from the painter's origin, so that neighbouring places join up.
void fillSeries(QPainter& painter, const QRectF& place, ui::Series series, const DrawingInk& ink);

// A mark's symbol centred on a point: a disc, a triangle pointing down, a diamond.
void drawSymbol(QPainter& painter, QPointF centre, qreal radius, ui::Series series,
                const DrawingInk& ink);

// The style of a series' lines, such as a jump's arc: solid, dashed, dotted.
Qt::PenStyle seriesLine(ui::Series series);

}  // namespace talvera::qt
