#pragma once

#include <QPainter>

#include "qt/figure_space.h"
#include "ui/drawing.h"

namespace talvera::qt {

qreal figureHeight(const ui::Bar& bar, const FigureSpace& space);

// Unit bars end to end from the space's bar start, cut into parts, with their shaded runs and
// the runs taken away crossed out; the label beside or above, the factor after the bar's end.
void paintFigure(QPainter& painter, const ui::Bar& bar, qreal top, const FigureSpace& space);

}  // namespace talvera::qt
