#pragma once

#include <QPalette>
#include <QWidget>
#include <optional>

#include "ui/control.h"
#include "ui/qt/fonts.h"

// Small helpers that several kinds of binding share.
namespace talvera::ui::qt {

inline Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

inline void setColor(QWidget* widget, QPalette::ColorRole role, const std::optional<Color>& color) {
    if (color) {
        QPalette palette = widget->palette();
        palette.setColor(role, toQColor(*color));
        widget->setPalette(palette);
    }
}

}  // namespace talvera::ui::qt
