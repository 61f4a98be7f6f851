#include "qt/fonts.h"

#include <QStringList>

#include "qt/scale.h"
#include "ui/zoom.h"

namespace talvera::qt {

namespace {

QStringList familiesFor(const QString& family) {
    if (family == QLatin1String("MS Sans Serif")) {
        return {family, "Microsoft Sans Serif", "Liberation Sans", "Arial"};
    }
    if (family == QLatin1String("Arial")) {
        return {family, "Liberation Sans"};
    }
    if (family == QLatin1String("Times New Roman")) {
        return {family, "Liberation Serif"};
    }
    if (family == QLatin1String("Comic Sans MS")) {
        return {family, "Comic Neue"};
    }
    if (family == QLatin1String("Fixedsys")) {
        return {family, "DejaVu Sans Mono", "Liberation Mono"};
    }
    return {family};
}

}  // namespace

QFont toQFont(const ui::Font& font, const QFont& fallback) {
    if (font.family.empty()) {
        return fallback;
    }
    QFont result(fallback);
    const QString family = QString::fromStdString(font.family);
    result.setFamilies(familiesFor(family));
    if (family == QLatin1String("Fixedsys")) {
        result.setStyleHint(QFont::TypeWriter);
    }
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

QFont zoomedFont(QFont font, int percent) {
    if (percent != ui::zoom::normal) {
        font.setPointSizeF(Scale(percent).points(font.pointSizeF()));
    }
    return font;
}

}  // namespace talvera::qt
