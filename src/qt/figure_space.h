#pragma once

#include <QtGlobal>
#include <vector>

#include "qt/drawing_ink.h"
#include "ui/drawing.h"

namespace talvera::qt {

// Where the figures of one drawing go: the width they fill, and what every bar shares, so that
// equal lengths look equal and the bars start one under another.
struct FigureSpace {
    const DrawingInk& ink;
    qreal width = 0;
    qreal barLeft = 0;  // right of the bars' labels when they stand beside them, else 0
    qreal unit = 0;     // the length of one unit bar: the longest bar fills the width
    bool labelsAbove = false;
};

// Labels stand beside the bars while the widest takes no more than a third of the width, and
// above them otherwise; a factor such as "× 3" keeps its room right of the longest bar, up to a
// fifth of the width.
FigureSpace figureSpace(const std::vector<ui::Figure>& figures, qreal width, const DrawingInk& ink);

// A gap between the pieces of a figure, such as a label and its bar.
inline qreal gap(const FigureSpace& space) {
    return space.ink.em() / 2;
}

}  // namespace talvera::qt
