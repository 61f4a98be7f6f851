#include "qt/text_figures.h"

#include "qt/text_block.h"

namespace talvera::qt {

namespace {

// A sign between two bars, such as "<", stands large under their labels beside the bars, where
// the eye passes from one bar to the other; any other line of working runs from the left.
bool isSign(const ui::Label& label) {
    return !label.text.empty() && label.text.size() <= 3 &&
           label.text.find(' ') == std::string::npos;
}

QFont labelFont(const ui::Label& label, const FigureSpace& space) {
    QFont font = space.ink.strong();
    if (isSign(label)) {
        font.setPointSizeF(font.pointSizeF() * 1.6);
    }
    return font;
}

QRectF labelBox(const ui::Label& label, qreal top, const FigureSpace& space) {
    const QString text = QString::fromStdString(label.text);
    const QFont font = labelFont(label, space);
    if (isSign(label) && !space.labelsAbove && space.barLeft > space.ink.em()) {
        const qreal width = space.barLeft - gap(space);
        return {0, top, width, textHeight(text, font, width)};
    }
    return {0, top, space.width, textHeight(text, font, space.width)};
}

}  // namespace

qreal figureHeight(const ui::Label& label, const FigureSpace& space) {
    return labelBox(label, 0, space).height();
}

void paintFigure(QPainter& painter, const ui::Label& label, qreal top, const FigureSpace& space) {
    const QRectF box = labelBox(label, top, space);
    painter.setPen(space.ink.textColour(label.series));
    drawText(painter, QString::fromStdString(label.text), labelFont(label, space), box,
             box.width() < space.width ? Qt::AlignRight : Qt::AlignLeft);
}

qreal figureHeight(const ui::Note& note, const FigureSpace& space) {
    return textHeight(QString::fromStdString(note.text), space.ink.text(), space.width);
}

void paintFigure(QPainter& painter, const ui::Note& note, qreal top, const FigureSpace& space) {
    painter.setPen(space.ink.line());
    drawText(painter, QString::fromStdString(note.text), space.ink.text(),
             QRectF(0, top, space.width, figureHeight(note, space)));
}

}  // namespace talvera::qt
