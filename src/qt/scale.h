#pragma once

#include <QRect>
#include <QWidget>
#include <algorithm>

#include "ui/geometry.h"
#include "ui/zoom.h"

namespace talvera::qt {

// The one place where twips become pixels: 15 twips make a device-independent pixel (1440 twips
// to the inch at 96 pixels to the inch) at 100 %, and the zoom multiplies that. Qt's own high-DPI
// scaling takes it from there, so the two compose.
inline constexpr int twipsPerPixel = 15;

class Scale {
  public:
    constexpr explicit Scale(int percent = ui::zoom::normal) : percent_(percent) {}

    constexpr int percent() const { return percent_; }
    // 1.0 at 100 %.
    constexpr qreal factor() const { return percent_ / 100.0; }

    // Rounded half away from zero, so that a place and its mirror image round alike.
    constexpr int toPixels(int twips) const {
        const long long scaled = static_cast<long long>(twips) * percent_;
        constexpr long long divisor = twipsPerPixel * 100LL;
        return static_cast<int>((scaled >= 0 ? scaled + divisor / 2 : scaled - divisor / 2) /
                                divisor);
    }

    QRect toPixels(const ui::Rect& rect) const {
        return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                toPixels(rect.height)};
    }

    QSize toPixels(const ui::Size& size) const {
        return {toPixels(size.width), toPixels(size.height)};
    }

    // A length designed in pixels, such as a line's width or a border: zoomed, never below one.
    constexpr int pixels(int designed) const {
        return std::max(1, ui::zoom::scaled(designed, percent_));
    }

    constexpr double points(double designed) const { return designed * factor(); }

    friend constexpr bool operator==(Scale, Scale) = default;

  private:
    int percent_;
};

// How a window is drawn: at a zoom, and in the program's own colours or in high contrast.
struct Look {
    Scale scale = Scale();
    bool highContrast = false;
    friend bool operator==(const Look&, const Look&) = default;
};

// The look of the window that holds the widget: the program's windows and message boxes carry
// theirs; any other window is at 100 % in the program's own colours.
Look lookOf(const QWidget* widget);
// Gives a window its look, for whatever is drawn in it that sizes or colours itself by it.
void setLookOf(QWidget* window, Look look);

}  // namespace talvera::qt
