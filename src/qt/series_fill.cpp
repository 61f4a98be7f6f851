#include "qt/series_fill.h"

#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace talvera::qt {

namespace {

// A pattern is drawn as lines or dots, never more of them than this in one place: a huge place
// gets a coarser pattern rather than a slow paint.
constexpr qreal maxPieces = 4000;

// Lines rising to the right, x + y = k × step, clipped to the place.
void hatch(QPainter& painter, const QRectF& place, const QColor& colour, const DrawingInk& ink) {
    const qreal step = std::max(ink.px(7), (place.width() + place.height()) / maxPieces);
    const qreal first = std::ceil((place.left() + place.top()) / step);
    const qreal last = std::floor((place.right() + place.bottom()) / step);
    std::vector<QLineF> lines;
    for (qreal k = first; k <= last; ++k) {
        const qreal c = k * step;
        lines.emplace_back(c - place.top(), place.top(), c - place.bottom(), place.bottom());
    }
    painter.setClipRect(place, Qt::IntersectClip);
    painter.setPen(QPen(colour, ink.px(2), Qt::SolidLine, Qt::FlatCap));
    painter.drawLines(lines.data(), static_cast<int>(lines.size()));
}

// Dots in rows, every other row shifted by half a step.
void dot(QPainter& painter, const QRectF& place, const QColor& colour, const DrawingInk& ink) {
    const qreal step = std::max(ink.px(7), std::sqrt(place.width() * place.height() / maxPieces));
    const qreal diameter = std::min(ink.px(4), step / 2);
    // Whole dots only, clear of the outline drawn over the place's edges.
    const qreal clear = diameter / 2 + ink.px(1.5);
    const QRectF inner = place.adjusted(clear, clear, -clear, -clear);
    std::vector<QPointF> dots;
    for (qreal row = std::ceil(place.top() / step - 0.5); (row + 0.5) * step < place.bottom();
         ++row) {
        const qreal y = (row + 0.5) * step;
        const qreal shift = std::fmod(std::abs(row), 2.0) * step / 2;
        for (qreal column = std::floor((place.left() - shift) / step);
             column * step + shift < place.right(); ++column) {
            const qreal x = column * step + shift + step / 4;
            if (inner.contains(x, y)) {
                dots.emplace_back(x, y);
            }
        }
    }
    painter.setPen(QPen(colour, diameter, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoints(dots.data(), static_cast<int>(dots.size()));
}

}  // namespace

void fillSeries(QPainter& painter, const QRectF& place, ui::Series series, const DrawingInk& ink) {
    if (!(place.width() > 0 && place.height() > 0 && std::isfinite(place.right()) &&
          std::isfinite(place.bottom()))) {
        return;
    }
    painter.save();
    switch (series) {
        case ui::Series::First:
            painter.fillRect(place, ink.colour(series));
            break;
        case ui::Series::Second:
            painter.fillRect(place, ink.tint(series));
            hatch(painter, place, ink.colour(series), ink);
            break;
        case ui::Series::Result:
            painter.fillRect(place, ink.tint(series));
            dot(painter, place, ink.colour(series), ink);
            break;
    }
    painter.restore();
}

void drawSymbol(QPainter& painter, QPointF centre, qreal radius, ui::Series series,
                const DrawingInk& ink) {
    painter.save();
    painter.setPen(QPen(ink.line(), ink.outline()));
    painter.setBrush(ink.colour(series));
    const qreal x = centre.x();
    const qreal y = centre.y();
    const qreal r = radius;
    switch (series) {
        case ui::Series::First:
            painter.drawEllipse(centre, r, r);
            break;
        case ui::Series::Second:
            painter.drawPolygon(
                QPolygonF{{x - r * 1.15, y - r}, {x + r * 1.15, y - r}, {x, y + r}});
            break;
        case ui::Series::Result:
            painter.drawPolygon(
                QPolygonF{{x, y - r * 1.2}, {x + r * 1.2, y}, {x, y + r * 1.2}, {x - r * 1.2, y}});
            break;
    }
    painter.restore();
}

Qt::PenStyle seriesLine(ui::Series series) {
    switch (series) {
        case ui::Series::Second:
            return Qt::DashLine;
        case ui::Series::Result:
            return Qt::DotLine;
        case ui::Series::First:
            break;
    }
    return Qt::SolidLine;
}

}  // namespace talvera::qt
