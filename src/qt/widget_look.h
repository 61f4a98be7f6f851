#pragma once

#include <QPalette>
#include <QWidget>
#include <optional>

#include "qt/fonts.h"
#include "ui/control.h"

// Small helpers that several kinds of binding share.
namespace talvera::qt {

inline Qt::Alignment toQtAlignment(ui::Alignment alignment) {
    switch (alignment) {
        case ui::Alignment::Center:
            return Qt::AlignHCenter | Qt::AlignVCenter;
        case ui::Alignment::Right:
            return Qt::AlignRight | Qt::AlignVCenter;
        case ui::Alignment::Left:
            break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

inline void setColor(QWidget* widget, QPalette::ColorRole role,
                     const std::optional<ui::Color>& color) {
    if (color) {
        QPalette palette = widget->palette();
        palette.setColor(role, toQColor(*color));
        widget->setPalette(palette);
    }
}

}  // namespace talvera::qt
