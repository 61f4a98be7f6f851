#include "qt/grid_figure.h"

#include <algorithm>
#include <vector>

#include "qt/dividers.h"
#include "qt/drawn_count.h"
#include "qt/series_fill.h"
#include "qt/text_block.h"

namespace talvera::qt {

namespace {

// The block of squares: as large as the width allows, but no taller than a few lines of bars.
// Too many squares to tell apart still leave a block that can be seen.
QRectF block(const ui::Grid& grid, qreal top, const FigureSpace& space) {
    const qreal room = space.width - space.barLeft - space.ink.px(1.5);
    const qreal tallest = space.ink.em() * 10;
    const double across = std::max(1.0, finiteOr(grid.across, 1));
    const double down = std::max(1.0, finiteOr(grid.down, 1));
    const qreal side = std::min(room / across, tallest / down);
    const qreal least = space.ink.em() * 1.5;
    return {space.barLeft, top, std::clamp(across * side, std::min(least, room), room),
            std::clamp(down * side, least, tallest)};
}

qreal labelHeight(const ui::Grid& grid, const FigureSpace& space) {
    return textHeight(QString::fromStdString(grid.label), space.ink.text(),
                      space.width - space.barLeft);
}

// The lines that cut the place into `count` equal columns, or rows.
void addLines(std::vector<QLineF>& lines, const QRectF& place, int count, bool vertical) {
    for (int i = 1; i < count; ++i) {
        if (vertical) {
            const qreal x = place.left() + place.width() * i / count;
            lines.emplace_back(x, place.top(), x, place.bottom());
        } else {
            const qreal y = place.top() + place.height() * i / count;
            lines.emplace_back(place.left(), y, place.right(), y);
        }
    }
}

// Parts are drawn only inside squares that are themselves drawn, and only when wide enough.
void drawLines(QPainter& painter, const ui::Grid& grid, const QRectF& place,
               const DrawingInk& ink) {
    const int across = drawnCount(grid.squaresAcross);
    const int down = drawnCount(grid.squaresDown);
    std::vector<QLineF> parts;
    std::vector<QLineF> squares;
    if (across > 0 && down > 0) {
        const int columns = drawnCount(grid.columns);
        const int rows = drawnCount(grid.rows);
        if (columns > 1 && place.width() / (across * columns) >= ink.px(4)) {
            addLines(parts, place, across * columns, true);
        }
        if (rows > 1 && place.height() / (down * rows) >= ink.px(4)) {
            addLines(parts, place, down * rows, false);
        }
        addLines(squares, place, across, true);
        addLines(squares, place, down, false);
    }
    drawDividers(painter, parts, ink.outline(), ink);
    drawDividers(painter, squares, ink.px(3), ink);
}

}  // namespace

qreal figureHeight(const ui::Grid& grid, const FigureSpace& space) {
    const qreal label = labelHeight(grid, space);
    return block(grid, 0, space).height() + (label > 0 ? gap(space) / 2 + label : 0);
}

void paintFigure(QPainter& painter, const ui::Grid& grid, qreal top, const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    const QRectF place = block(grid, top, space);
    const double across = std::max(1.0, finiteOr(grid.across, 1));
    const double down = std::max(1.0, finiteOr(grid.down, 1));
    const qreal wide = place.width() * std::clamp(finiteOr(grid.width, 0) / across, 0.0, 1.0);
    const qreal high = place.height() * std::clamp(finiteOr(grid.height, 0) / down, 0.0, 1.0);
    fillSeries(painter, QRectF(place.left(), place.top(), wide, place.height()), ui::Series::First,
               ink);
    fillSeries(painter, QRectF(place.left(), place.top(), place.width(), high), ui::Series::Second,
               ink);
    fillSeries(painter, QRectF(place.left(), place.top(), wide, high), grid.series, ink);
    drawLines(painter, grid, place, ink);
    drawFrame(painter, place, ink.px(3), ink);

    painter.setPen(ink.textColour(grid.series));
    drawText(painter, QString::fromStdString(grid.label), ink.text(),
             QRectF(place.left(), place.bottom() + gap(space) / 2, space.width - place.left(),
                    labelHeight(grid, space)));
}

}  // namespace talvera::qt
