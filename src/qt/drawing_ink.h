#pragma once

#include <QColor>
#include <QFont>

#include "qt/scale.h"
#include "ui/drawing.h"

namespace talvera::qt {

// The fonts, line widths and colours of a drawing at a look. Each series keeps one colour, dark
// enough for its labels to read as text on white; the series also differ in pattern (see
// series_fill.h), so that they stay apart in grey print and for colour-blind pupils.
class DrawingInk {
  public:
    // The text is the widget's font when that is larger, as in a window that zoomed it already,
    // and otherwise the application's at the zoom, never below the pages' 9-point boxes.
    DrawingInk(const Look& look, const QFont& widgetFont);

    bool highContrast() const { return highContrast_; }
    // A length designed in pixels at 100 %, at the zoom.
    qreal px(qreal designed) const { return designed * zoom_; }
    // The text's line height, which the figures are measured in.
    qreal em() const { return em_; }
    // Outlines: 2 pixels at 100 %.
    qreal outline() const { return px(2); }

    const QFont& text() const { return text_; }
    const QFont& strong() const { return strong_; }
    const QFont& heading() const { return heading_; }

    // Outlines, lines and plain text: black.
    QColor line() const { return Qt::black; }
    // A series' shapes and patterns.
    QColor colour(ui::Series series) const;
    // The light ground under a series' pattern; white in high contrast.
    QColor tint(ui::Series series) const;
    // A series' labels: in its colour, or black in high contrast.
    QColor textColour(ui::Series series) const;

  private:
    qreal zoom_;
    bool highContrast_;
    QFont text_;
    QFont strong_;
    QFont heading_;
    qreal em_;
};

}  // namespace talvera::qt
