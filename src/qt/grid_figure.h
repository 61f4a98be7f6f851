#pragma once

#include <QPainter>

#include "qt/figure_space.h"
#include "ui/drawing.h"

namespace talvera::qt {

qreal figureHeight(const ui::Grid& grid, const FigureSpace& space);

// Unit squares cut into columns and rows: the first fraction's columns and the second's rows in
// their series' patterns, their overlap in the grid's own, the label underneath.
void paintFigure(QPainter& painter, const ui::Grid& grid, qreal top, const FigureSpace& space);

}  // namespace talvera::qt
