#include "qt/drawn_icons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

namespace talvera::qt {

namespace {

// Draws into a square of the given side whose centre is the origin.
using Drawing = std::function<void(QPainter&, qreal side, QIcon::Mode mode)>;

class DrawnEngine : public QIconEngine {
  public:
    explicit DrawnEngine(Drawing drawing) : drawing_(std::move(drawing)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State /*state*/) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(QRectF(rect).center());
        drawing_(*painter, std::min(rect.width(), rect.height()), mode);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }

    [[nodiscard]] QIconEngine* clone() const override { return new DrawnEngine(drawing_); }

  private:
    Drawing drawing_;
};

QIcon drawn(Drawing drawing) {
    return QIcon(std::make_unique<DrawnEngine>(std::move(drawing)).release());
}

QColor textColour(QIcon::Mode mode) {
    const QPalette palette;
    return palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                         QPalette::ButtonText);
}

}  // namespace

QIcon extensionIcon(Qt::Orientation orientation) {
    return drawn([orientation](QPainter& painter, qreal side, QIcon::Mode mode) {
        // Two chevrons pointing along the bar, over most of the square.
        const qreal half = side * 0.3;
        QPainterPath path;
        for (const qreal offset : {-half / 2, half / 2}) {
            path.moveTo(offset - half / 2, -half);
            path.lineTo(offset + half / 2, 0);
            path.lineTo(offset - half / 2, half);
        }
        if (orientation == Qt::Vertical) {
            painter.rotate(90);
        }
        painter.setPen(QPen(textColour(mode), std::max<qreal>(1.5, side / 8), Qt::SolidLine,
                            Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(path);
    });
}

QIcon informationIcon() {
    return drawn([](QPainter& painter, qreal side, QIcon::Mode /*mode*/) {
        // A blue disc with a white "i": its dot above, its stem below.
        const qreal radius = side * 0.46;
        painter.setPen(QPen(QColor(0x1c, 0x4f, 0x9c), std::max<qreal>(1, side / 32)));
        painter.setBrush(QColor(0x2a, 0x6f, 0xd0));
        painter.drawEllipse(QPointF(0, 0), radius, radius);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        const qreal stem = side * 0.12;
        painter.drawEllipse(QPointF(0, -side * 0.22), stem * 0.7, stem * 0.7);
        painter.drawRoundedRect(QRectF(-stem / 2, -side * 0.08, stem, side * 0.36), stem / 3,
                                stem / 3);
    });
}

}  // namespace talvera::qt
