#pragma once

#include <QPainter>

#include "qt/figure_space.h"
#include "ui/drawing.h"

// A line of working in its series' colour, and a plain sentence, each wrapped to the width.
namespace talvera::qt {

qreal figureHeight(const ui::Label& label, const FigureSpace& space);
void paintFigure(QPainter& painter, const ui::Label& label, qreal top, const FigureSpace& space);

qreal figureHeight(const ui::Note& note, const FigureSpace& space);
void paintFigure(QPainter& painter, const ui::Note& note, qreal top, const FigureSpace& space);

}  // namespace talvera::qt
