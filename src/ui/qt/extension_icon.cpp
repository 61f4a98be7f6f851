#include "ui/qt/extension_icon.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>
#include <algorithm>
#include <memory>

namespace talvera::ui::qt {

namespace {

class ChevronEngine : public QIconEngine {
  public:
    explicit ChevronEngine(Qt::Orientation orientation) : orientation_(orientation) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State /*state*/) override {
        const QPalette palette;
        const QColor colour = mode == QIcon::Disabled
                                  ? palette.color(QPalette::Disabled, QPalette::ButtonText)
                                  : palette.color(QPalette::Active, QPalette::ButtonText);
        // Two chevrons pointing along the bar, over most of the square.
        const qreal side = std::min(rect.width(), rect.height());
        const QPointF centre = QRectF(rect).center();
        const qreal half = side * 0.3;
        QPainterPath path;
        for (const qreal offset : {-half / 2, half / 2}) {
            path.moveTo(offset - half / 2, -half);
            path.lineTo(offset + half / 2, 0);
            path.lineTo(offset - half / 2, half);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->translate(centre);
        if (orientation_ == Qt::Vertical) {
            painter->rotate(90);
        }
        painter->setPen(QPen(colour, std::max<qreal>(1.5, side / 8), Qt::SolidLine, Qt::RoundCap,
                             Qt::RoundJoin));
        painter->drawPath(path);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }

    [[nodiscard]] QIconEngine* clone() const override { return new ChevronEngine(orientation_); }

  private:
    Qt::Orientation orientation_;
};

}  // namespace

QIcon extensionIcon(Qt::Orientation orientation) {
    return QIcon(std::make_unique<ChevronEngine>(orientation).release());
}

}  // namespace talvera::ui::qt
