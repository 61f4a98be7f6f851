#pragma once

#include <QGuiApplication>
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

// A designed colour as the look shows it: in high contrast the light faces turn white and the
// program's blue and red darken until they stand out against white as black text does.
inline ui::Color shownColor(const ui::Color& color, bool highContrast) {
    if (!highContrast) {
        return color;
    }
    if (color == ui::colors::blue) {
        return {0, 0, 128};
    }
    if (color == ui::colors::red) {
        return {160, 0, 0};
    }
    if (color == ui::colors::grey || color == ui::colors::face) {
        return ui::colors::white;
    }
    return color;
}

// Black on white, which stays legible in a bright room and under a projector; the selection is
// dark blue, so that it is still told from the text.
inline QPalette highContrastPalette() {
    QPalette palette = QGuiApplication::palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button,
                            QPalette::AlternateBase, QPalette::ToolTipBase}) {
        palette.setColor(role, Qt::white);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::ToolTipText, QPalette::PlaceholderText}) {
        palette.setColor(role, Qt::black);
    }
    palette.setColor(QPalette::Highlight, QColor(0, 0, 128));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    // What cannot be used now is dark grey, still legible, told from what can.
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        palette.setColor(QPalette::Disabled, role, QColor(96, 96, 96));
    }
    return palette;
}

inline void setColor(QWidget* widget, QPalette::ColorRole role,
                     const std::optional<ui::Color>& color, bool highContrast = false) {
    if (color) {
        QPalette palette = widget->palette();
        palette.setColor(role, toQColor(shownColor(*color, highContrast)));
        widget->setPalette(palette);
    }
}

}  // namespace talvera::qt
