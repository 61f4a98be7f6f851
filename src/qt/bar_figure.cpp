#include "qt/bar_figure.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "qt/dividers.h"
#include "qt/drawn_count.h"
#include "qt/series_fill.h"
#include "qt/text_block.h"

namespace talvera::qt {

namespace {

qreal barHeight(const FigureSpace& space) {
    return space.ink.em() * 2;
}

// Where the label, the bar and its factor go. The label takes the column left of the bars, or
// the whole width above the bar; the factor wraps in what is left right of the bar's end.
struct BarPlaces {
    QRectF label;
    QRectF bar;
    QRectF factor;
    qreal height = 0;
};

BarPlaces barPlaces(const ui::Bar& bar, qreal top, const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    const double length = std::max(0.0, finiteOr(bar.length, 0));
    const qreal barWidth = std::min(length * space.unit, space.width - space.barLeft);
    const qreal factorLeft = space.barLeft + barWidth + gap(space);
    const QString factor = QString::fromStdString(bar.factor);
    const qreal factorWidth = std::max(ink.em(), space.width - factorLeft);
    const QSizeF factorSize(textWidth(factor, ink.strong(), factorWidth) + 1,
                            textHeight(factor, ink.strong(), factorWidth));
    const qreal row = std::max(barHeight(space), factorSize.height());
    const qreal labelWidth = space.labelsAbove ? space.width : space.barLeft - gap(space);
    const qreal label = textHeight(QString::fromStdString(bar.label), ink.strong(), labelWidth);
    BarPlaces places;
    if (space.labelsAbove) {
        places.label = QRectF(0, top, labelWidth, label);
        places.height = label + (label > 0 ? gap(space) / 2 : 0) + row;
    } else {
        places.height = std::max(label, row);
        places.label = QRectF(0, top + (places.height - label) / 2, labelWidth, label);
    }
    const qreal middle =
        space.labelsAbove ? top + places.height - row / 2 : top + places.height / 2;
    places.bar = QRectF(space.barLeft, middle - barHeight(space) / 2, barWidth, barHeight(space));
    places.factor = QRectF(QPointF(factorLeft, middle - factorSize.height() / 2), factorSize);
    return places;
}

// Where a stretch of the bar lies, in unit bars from its left end, kept within the bar.
QRectF stretch(const QRectF& whole, double start, double length, const FigureSpace& space) {
    const double from = finiteOr(start, 0);
    const double to = from + finiteOr(length, 0);
    const qreal left = std::clamp(whole.left() + from * space.unit, whole.left(), whole.right());
    const qreal right = std::clamp(whole.left() + to * space.unit, whole.left(), whole.right());
    return {std::min(left, right), whole.top(), std::abs(right - left), whole.height()};
}

// Each part within the run gets a cross when the parts are drawn wide enough to hold one; else
// the run is crossed out in a row of crosses about as wide as the bar is high. A sliver of a
// part still gets one cross, over the whole run.
std::vector<QRectF> crossedPlaces(const QRectF& run, const QRectF& whole, int parts,
                                  const FigureSpace& space) {
    if (!(run.width() > 0)) {
        return {};
    }
    const qreal high = std::max<qreal>(1, run.height());
    const qreal part = parts > 0 ? space.unit / parts : 0;
    const bool byPart = part >= space.ink.em() && run.width() / part < maxDrawnCount;
    const qreal count = std::clamp<qreal>(std::round(run.width() / high), 1, maxDrawnCount);
    const qreal cell = byPart ? part : run.width() / count;
    const qreal offset = byPart ? whole.left() : run.left();
    const auto first = static_cast<int>(std::floor((run.left() - offset) / cell + 0.01));
    const auto last = static_cast<int>(std::ceil((run.right() - offset) / cell - 0.01));
    std::vector<QRectF> places;
    for (int i = first; i < last; ++i) {
        const QRectF place =
            QRectF(offset + i * cell, run.top(), cell, run.height()).intersected(run);
        if (place.width() > high / 3) {
            places.push_back(place);
        }
    }
    if (places.empty()) {
        places.push_back(run);
    }
    return places;
}

// What is taken away: washed pale, then crossed out in its own series' colour.
void takeAway(QPainter& painter, const QRectF& run, const QRectF& whole, const ui::Bar& bar,
              ui::Series series, const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    painter.fillRect(run, QColor(255, 255, 255, 150));
    std::vector<QLineF> crosses;
    for (const QRectF& place : crossedPlaces(run, whole, drawnCount(bar.parts), space)) {
        // Square, in the middle of its place, however long the part.
        const qreal side = std::min(place.width(), place.height()) * 0.8;
        QRectF box(0, 0, side, side);
        box.moveCenter(place.center());
        crosses.emplace_back(box.topLeft(), box.bottomRight());
        crosses.emplace_back(box.bottomLeft(), box.topRight());
    }
    painter.save();
    const auto count = static_cast<int>(crosses.size());
    painter.setPen(QPen(Qt::white, ink.px(6), Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(crosses.data(), count);
    painter.setPen(QPen(ink.colour(series), ink.px(3.5), Qt::SolidLine, Qt::RoundCap));
    painter.drawLines(crosses.data(), count);
    painter.restore();
}

// Lines between the parts of each unit bar, and thicker ones between the unit bars.
void drawCuts(QPainter& painter, const ui::Bar& bar, const QRectF& whole,
              const FigureSpace& space) {
    const int units = drawnCount(bar.units);
    const int parts = drawnCount(bar.parts);
    std::vector<QLineF> partLines;
    std::vector<QLineF> unitLines;
    const auto cut = [&whole](std::vector<QLineF>& lines, qreal x) {
        if (x > whole.left() && x < whole.right()) {
            lines.emplace_back(x, whole.top(), x, whole.bottom());
        }
    };
    const bool partsShow = parts > 1 && space.unit / parts >= space.ink.px(4);
    for (int u = 0; u < units; ++u) {
        const qreal left = whole.left() + u * space.unit;
        cut(unitLines, left);
        for (int p = 1; partsShow && p < parts; ++p) {
            cut(partLines, left + p * space.unit / parts);
        }
    }
    drawDividers(painter, partLines, space.ink.outline(), space.ink);
    drawDividers(painter, unitLines, space.ink.px(4), space.ink);
}

}  // namespace

qreal figureHeight(const ui::Bar& bar, const FigureSpace& space) {
    return barPlaces(bar, 0, space).height;
}

void paintFigure(QPainter& painter, const ui::Bar& bar, qreal top, const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    const BarPlaces places = barPlaces(bar, top, space);
    const QRectF& whole = places.bar;
    const auto runs = std::min<std::size_t>(bar.runs.size(), maxDrawnCount);
    for (std::size_t i = 0; i < runs; ++i) {
        const ui::Run& run = bar.runs[i];
        if (!run.takenAway) {
            fillSeries(painter, stretch(whole, run.start, run.length, space), run.series, ink);
        }
    }
    drawCuts(painter, bar, whole, space);
    for (std::size_t i = 0; i < runs; ++i) {
        const ui::Run& run = bar.runs[i];
        if (run.takenAway) {
            takeAway(painter, stretch(whole, run.start, run.length, space), whole, bar, run.series,
                     space);
        }
    }
    drawFrame(painter, whole, ink.px(3), ink);

    painter.setPen(ink.textColour(bar.series));
    drawText(painter, QString::fromStdString(bar.label), ink.strong(), places.label,
             space.labelsAbove ? Qt::AlignLeft : Qt::AlignRight);
    drawText(painter, QString::fromStdString(bar.factor), ink.strong(), places.factor);
}

}  // namespace talvera::qt
