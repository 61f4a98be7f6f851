#include "qt/pictures.h"

#include <QFile>
#include <QSvgRenderer>
#include <QTextDocument>

namespace talvera::qt {

namespace {

QString resourceBase(const std::string& name) {
    return QStringLiteral(":/pictures/") + QString::fromStdString(name);
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

Picture::Picture(const std::string& name, qreal width) {
    const QString base = resourceBase(name);
    if (QFile::exists(base + ".svg")) {
        svg_ = std::make_unique<QSvgRenderer>(base + ".svg");
        return;
    }
    QFile html(base + ".html");
    if (!html.open(QIODevice::ReadOnly)) {
        return;
    }
    text_ = std::make_unique<QTextDocument>();
    // One look for every text picture, kept apart from their texts.
    if (QFile style(QStringLiteral(":/pictures/text-pictures.css"));
        style.open(QIODevice::ReadOnly)) {
        text_->setDefaultStyleSheet(QString::fromUtf8(style.readAll()));
    }
    text_->setHtml(QString::fromUtf8(html.readAll()));
    text_->setTextWidth(width);
}

Picture::~Picture() = default;

void Picture::paint(QPainter& painter, QSize size) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (svg_) {
        svg_->render(&painter, fitted(svg_->viewBoxF().size(), size));
    } else if (text_) {
        text_->drawContents(&painter, QRectF(QPointF(0, 0), size));
    }
    painter.restore();
}

std::optional<QSizeF> Picture::textExtent() const {
    if (!text_) {
        return std::nullopt;
    }
    return text_->size();
}

std::optional<TextPictureReading> Picture::reading() const {
    if (!text_) {
        return std::nullopt;
    }
    return TextPictureReading{.title = text_->metaInformation(QTextDocument::DocumentTitle),
                              .text = text_->toPlainText().trimmed()};
}

QPixmap drawPicture(const std::string& name, QSize size, qreal devicePixelRatio) {
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Picture(name, size.width()).paint(painter, size);
    return pixmap;
}

}  // namespace talvera::qt
