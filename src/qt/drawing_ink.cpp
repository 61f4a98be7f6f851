#include "qt/drawing_ink.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

#include "qt/widget_look.h"

namespace talvera::qt {

namespace {

// The size of the pages' boxes, below which no text of a drawing goes at 100 %.
constexpr qreal boxPoints = 9;

QFont textFont(const Look& look, const QFont& widgetFont) {
    const qreal designed = std::max(boxPoints, QFontInfo(QApplication::font()).pointSizeF());
    const qreal points = std::max(look.scale.points(designed), QFontInfo(widgetFont).pointSizeF());
    QFont font(widgetFont);
    font.setPointSizeF(points);
    return font;
}

QFont bold(QFont font, qreal times) {
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * times);
    return font;
}

}  // namespace

DrawingInk::DrawingInk(const Look& look, const QFont& widgetFont)
    : zoom_(look.scale.factor()),
      highContrast_(look.highContrast),
      text_(textFont(look, widgetFont)),
      strong_(bold(text_, 1.0)),
      heading_(bold(text_, 1.2)),
      em_(QFontMetricsF(text_).height()) {}

// Okabe and Ito's blue, vermilion and bluish green, the last two darkened until text in them
// reads on white at 4.5 : 1: blue and orange stay apart for every common colour blindness, and
// the patterns carry the difference where the colours do not. High contrast darkens them further,
// the first to the program's own blue as high contrast shows it.
QColor DrawingInk::colour(ui::Series series) const {
    switch (series) {
        case ui::Series::Second:
            return highContrast_ ? QColor(150, 50, 0) : QColor(190, 80, 0);
        case ui::Series::Result:
            return highContrast_ ? QColor(0, 90, 60) : QColor(0, 130, 95);
        case ui::Series::First:
            break;
    }
    return highContrast_ ? toQColor(shownColor(ui::colors::blue, true)) : QColor(0, 114, 178);
}

QColor DrawingInk::tint(ui::Series series) const {
    if (highContrast_) {
        return Qt::white;
    }
    switch (series) {
        case ui::Series::Second:
            return {252, 226, 204};
        case ui::Series::Result:
            return {208, 240, 227};
        case ui::Series::First:
            break;
    }
    return {204, 227, 242};
}

QColor DrawingInk::textColour(ui::Series series) const {
    return highContrast_ ? line() : colour(series);
}

}  // namespace talvera::qt
