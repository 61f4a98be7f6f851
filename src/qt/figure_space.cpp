#include "qt/figure_space.h"

#include <QFontMetricsF>
#include <algorithm>

#include "qt/drawn_count.h"

namespace talvera::qt {

FigureSpace figureSpace(const std::vector<ui::Figure>& figures, qreal width,
                        const DrawingInk& ink) {
    FigureSpace space{.ink = ink, .width = width};
    const QFontMetricsF metrics(ink.strong());
    qreal labels = 0;
    qreal factors = 0;
    double longest = 1;
    const auto count = std::min<std::size_t>(figures.size(), maxDrawnCount);
    for (std::size_t i = 0; i < count; ++i) {
        if (const auto* bar = std::get_if<ui::Bar>(&figures[i])) {
            labels =
                std::max(labels, metrics.horizontalAdvance(QString::fromStdString(bar->label)));
            if (!bar->factor.empty()) {
                factors = std::max(
                    factors,
                    metrics.horizontalAdvance(QString::fromStdString(bar->factor)) + gap(space));
            }
            longest = std::max(longest, finiteOr(bar->length, 1));
        }
    }
    space.labelsAbove = labels + gap(space) > width / 3;
    // A factor too long for the room left of it wraps beside the longest bar.
    factors = std::min(factors, width / 5);
    space.barLeft = space.labelsAbove || labels == 0 ? 0 : labels + gap(space);
    // Half an outline at either end, so that the longest bar's frame is drawn whole.
    const qreal room = width - space.barLeft - factors - ink.px(3);
    space.unit = std::max<qreal>(0, room) / longest;
    space.barLeft += ink.px(1.5);
    return space;
}

}  // namespace talvera::qt
