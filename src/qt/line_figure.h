#pragma once

#include <QPainter>

#include "qt/figure_space.h"
#include "ui/drawing.h"

namespace talvera::qt {

qreal figureHeight(const ui::NumberLine& line, const FigureSpace& space);

// A line across the width with its ticks and their labels underneath; above it, each mark's
// symbol and label in its series' colour, and over those the jumps' arcs with their labels.
// Labels that would overlap are stacked one above the other.
void paintFigure(QPainter& painter, const ui::NumberLine& line, qreal top,
                 const FigureSpace& space);

}  // namespace talvera::qt
