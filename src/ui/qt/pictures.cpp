#include "ui/qt/pictures.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextDocument>
#include <memory>

namespace talvera::ui::qt {

namespace {

QString resourceBase(const std::string& name) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(name);
}

// The text of :/pictures/<name>.html laid out at that width; null when there is none.
std::unique_ptr<QTextDocument> layOutText(const std::string& name, qreal width) {
    QFile html(resourceBase(name) + ".html");
    if (!html.open(QIODevice::ReadOnly)) {
        return nullptr;
    }
    auto document = std::make_unique<QTextDocument>();
    // One look for every text picture, kept apart from their texts.
    if (QFile style(QStringLiteral(":/pictures/text-pictures.css"));
        style.open(QIODevice::ReadOnly)) {
        document->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    }
    document->setHtml(QString::fromUtf8(html.readAll()));
    document->setTextWidth(width);
    return document;
}

// The largest rectangle of the drawing's proportions that fits the area, in its middle, so that
// a square drawing on a wide button stays square.
QRectF fitted(QSizeF drawing, QSize area) {
    if (drawing.isEmpty()) {
        return {QPointF(0, 0), QSizeF(area)};
    }
    const QSizeF size = drawing.scaled(QSizeF(area), Qt::KeepAspectRatio);
    return {QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2), size};
}

}  // namespace

QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintPicture(painter, name, size);
    return pixmap;
}

void paintPicture(QPainter& painter, const std::string& name, QSize size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QString base = resourceBase(name);
    if (QFile::exists(base + ".svg")) {
        QSvgRenderer renderer(base + ".svg");
        renderer.render(&painter, fitted(renderer.viewBoxF().size(), size));
    } else if (const auto document = layOutText(name, size.width())) {
        document->drawContents(&painter, QRectF(QPointF(0, 0), size));
    }
    painter.restore();
}

std::optional<QSizeF> textPictureExtent(const std::string& name, qreal width) {
    if (const auto document = layOutText(name, width)) {
        return document->size();
    }
    return std::nullopt;
}

std::optional<TextPictureReading> readTextPicture(const std::string& name) {
    if (const auto document = layOutText(name, 0)) {
        return TextPictureReading{.title = document->metaInformation(QTextDocument::DocumentTitle),
                                  .text = document->toPlainText().trimmed()};
    }
    return std::nullopt;
}

}  // namespace talvera::ui::qt
