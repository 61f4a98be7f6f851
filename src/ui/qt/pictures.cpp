#include "ui/qt/pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>

namespace talvera::ui::qt {

QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const QString base = QStringLiteral(":/pictures/") + QString::fromStdString(name);
    if (QFile::exists(base + ".svg")) {
        QSvgRenderer renderer(base + ".svg");
        renderer.render(&painter, QRectF(QPointF(0, 0), size));
    } else if (QFile html(base + ".html"); html.open(QIODevice::ReadOnly)) {
        QTextDocument document;
        document.setHtml(QString::fromUtf8(html.readAll()));
        document.setTextWidth(size.width());
        document.drawContents(&painter, QRectF(QPointF(0, 0), size));
    }
    return pixmap;
}

}  // namespace talvera::ui::qt
