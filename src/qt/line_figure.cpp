#include "qt/line_figure.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <algorithm>
#include <climits>
#include <cmath>
#include <vector>

#include "qt/drawn_count.h"
#include "qt/series_fill.h"
#include "qt/text_block.h"

namespace talvera::qt {

namespace {

struct Placed {
    QRectF box;  // from the line, upwards negative
    QString text;
    ui::Series series = ui::Series::First;
};

struct Arc {
    qreal from = 0;
    qreal to = 0;
    qreal apex = 0;  // from the line, negative
    ui::Series series = ui::Series::First;
};

// Where everything goes, measured from the left of the figure and from the line.
struct LineLayout {
    int ticks = 0;  // drawn one by one; 0 when there are too many, and only the ends are
    int intervals = 1;
    qreal left = 0;
    qreal step = 0;
    qreal above = 0;
    qreal below = 0;
    std::vector<Placed> marks;
    std::vector<Placed> jumps;
    std::vector<Arc> arcs;
};

qreal symbolRadius(const DrawingInk& ink) {
    return ink.em() * 0.4;
}

qreal tickReach(const DrawingInk& ink) {
    return ink.em() * 0.45;
}

QString tickText(const ui::NumberLine& line, int i) {
    return QString::fromStdString(line.ticks[static_cast<std::size_t>(i)]);
}

// A label's box centred over x and kept within the width.
QRectF labelBox(const QString& text, qreal x, qreal bottom, const FigureSpace& space) {
    const QFontMetricsF metrics(space.ink.strong());
    const qreal width = std::min(metrics.horizontalAdvance(text) + space.ink.em() / 2, space.width);
    const qreal left = std::clamp(x - width / 2, 0.0, space.width - width);
    return {left, bottom - metrics.height(), width, metrics.height()};
}

// Moves the box up until it overlaps none of the boxes already placed. It only ever moves up,
// past one box at a time, so it is done after as many moves as there are boxes.
QRectF stacked(QRectF box, const std::vector<Placed>& placed, qreal spacing) {
    for (std::size_t moves = 0; moves <= placed.size(); ++moves) {
        const auto hit = std::find_if(placed.begin(), placed.end(), [&box](const Placed& other) {
            return other.box.intersects(box);
        });
        if (hit == placed.end()) {
            break;
        }
        box.moveBottom(hit->box.top() - spacing);
    }
    return box;
}

qreal position(double at, const LineLayout& layout) {
    return layout.left +
           std::clamp(finiteOr(at, 0), 0.0, static_cast<double>(layout.intervals)) * layout.step;
}

LineLayout layOut(const ui::NumberLine& line, const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    LineLayout layout;
    const auto count = static_cast<int>(std::min<std::size_t>(line.ticks.size(), INT_MAX));
    layout.intervals = std::max(1, count - 1);
    layout.ticks = count - 1 <= maxDrawnCount ? count : 0;
    const QFontMetricsF metrics(ink.text());
    const qreal ends = count == 0 ? 0
                                  : std::max(metrics.horizontalAdvance(tickText(line, 0)),
                                             metrics.horizontalAdvance(tickText(line, count - 1)));
    layout.left = std::max(ends / 2, ink.em()) + ink.px(2);
    layout.step = std::max<qreal>(0, space.width - 2 * layout.left) / layout.intervals;

    const qreal spacing = ink.px(2);
    qreal top = -symbolRadius(ink) - tickReach(ink);
    const auto marks = std::min<std::size_t>(line.marks.size(), maxDrawnCount);
    for (std::size_t i = 0; i < marks; ++i) {
        const ui::Mark& mark = line.marks[i];
        const QString text = QString::fromStdString(mark.label);
        const QRectF box =
            stacked(labelBox(text, position(mark.at, layout), -symbolRadius(ink) - spacing, space),
                    layout.marks, spacing);
        layout.marks.push_back({box, text, mark.series});
        top = std::min(top, box.top());
    }
    const auto jumps = std::min<std::size_t>(line.jumps.size(), maxDrawnCount);
    qreal arcsTop = top;
    for (std::size_t i = 0; i < jumps; ++i) {
        const ui::Jump& jump = line.jumps[i];
        const Arc arc{position(jump.from, layout), position(jump.to, layout), 0, jump.series};
        const qreal span = std::abs(arc.to - arc.from);
        if (span < ink.px(2)) {
            continue;
        }
        const qreal apex = top - ink.em() / 2 - std::clamp(span / 5, ink.em() / 2, ink.em() * 1.5);
        layout.arcs.push_back({arc.from, arc.to, apex, arc.series});
        const QString text = QString::fromStdString(jump.label);
        const QRectF box = stacked(labelBox(text, (arc.from + arc.to) / 2, apex - spacing, space),
                                   layout.jumps, spacing);
        layout.jumps.push_back({box, text, jump.series});
        arcsTop = std::min({arcsTop, apex, box.top()});
    }
    layout.above = -arcsTop;
    layout.below = tickReach(ink) + (count > 0 ? spacing + metrics.height() : 0);
    return layout;
}

// Tick labels far enough apart not to run into each other: every k-th, and always the last.
void drawTicks(QPainter& painter, const ui::NumberLine& line, const LineLayout& layout, qreal y,
               const DrawingInk& ink) {
    const QFontMetricsF metrics(ink.text());
    qreal widest = 0;
    for (int i = 0; i < layout.ticks; ++i) {
        widest = std::max(widest, metrics.horizontalAdvance(tickText(line, i)));
    }
    const int every =
        layout.step > 0
            ? std::max(1, static_cast<int>(std::ceil((widest + ink.em()) / layout.step)))
            : maxDrawnCount;
    const int last = static_cast<int>(line.ticks.size()) - 1;
    painter.setPen(QPen(ink.line(), ink.outline()));
    for (int i = 0; i <= last; i = (layout.ticks > 0 || i == last) ? i + 1 : last) {
        const QString text = tickText(line, i);
        const qreal x = layout.left + i * layout.step;
        const qreal reach = text.isEmpty() ? tickReach(ink) * 0.6 : tickReach(ink);
        painter.drawLine(QPointF(x, y - reach), QPointF(x, y + reach));
        if (i == last || (i % every == 0 && i + every <= last)) {
            const qreal width = metrics.horizontalAdvance(text) + 2;
            drawText(painter, text, ink.text(),
                     QRectF(x - width / 2, y + tickReach(ink) + ink.px(2), width, metrics.height()),
                     Qt::AlignHCenter);
        }
    }
}

void drawArc(QPainter& painter, const Arc& arc, qreal y, const DrawingInk& ink) {
    QPainterPath path({arc.from, y});
    // Control points a third higher than the apex put the curve's top at the apex.
    const qreal control = y + arc.apex * 4 / 3;
    path.cubicTo(arc.from, control, arc.to, control, arc.to, y);
    painter.setPen(QPen(ink.colour(arc.series), ink.px(2.5), seriesLine(arc.series), Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
}

// Where a jump lands, over the mark that may be there.
void drawArrowHead(QPainter& painter, const Arc& arc, qreal y, const DrawingInk& ink) {
    const qreal head = ink.em() * 0.3;
    painter.setPen(
        QPen(ink.colour(arc.series), ink.px(2.5), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(QPolygonF{
        {arc.to - head, y - head * 1.6}, {arc.to, y - ink.px(1)}, {arc.to + head, y - head * 1.6}});
}

// A label on a white ground, so that an arc passing behind it does not cross its letters.
void drawLabel(QPainter& painter, const Placed& label, qreal y, const DrawingInk& ink) {
    const QRectF box = label.box.translated(0, y);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(box, ink.px(3), ink.px(3));
    painter.setPen(ink.textColour(label.series));
    drawText(painter, label.text, ink.strong(), box, Qt::AlignHCenter);
}

}  // namespace

qreal figureHeight(const ui::NumberLine& line, const FigureSpace& space) {
    const LineLayout layout = layOut(line, space);
    return layout.above + layout.below;
}

void paintFigure(QPainter& painter, const ui::NumberLine& line, qreal top,
                 const FigureSpace& space) {
    const DrawingInk& ink = space.ink;
    const LineLayout layout = layOut(line, space);
    const qreal y = top + layout.above;
    painter.save();
    painter.setPen(QPen(ink.line(), ink.px(2.5), Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(QPointF(layout.left, y),
                     QPointF(layout.left + layout.intervals * layout.step, y));
    drawTicks(painter, line, layout, y, ink);
    for (const Arc& arc : layout.arcs) {
        drawArc(painter, arc, y, ink);
    }
    const auto marks = std::min<std::size_t>(line.marks.size(), maxDrawnCount);
    for (std::size_t i = 0; i < marks; ++i) {
        drawSymbol(painter, {position(line.marks[i].at, layout), y}, symbolRadius(ink),
                   line.marks[i].series, ink);
    }
    for (const Arc& arc : layout.arcs) {
        drawArrowHead(painter, arc, y, ink);
    }
    for (const Placed& label : layout.marks) {
        drawLabel(painter, label, y, ink);
    }
    for (const Placed& label : layout.jumps) {
        drawLabel(painter, label, y, ink);
    }
    painter.restore();
}

}  // namespace talvera::qt
