#pragma once

#include <QRect>
#include <algorithm>

#include "ui/geometry.h"

namespace talvera::ui::qt {

// The one place where twips become pixels: 15 twips make a device-independent pixel (1440 twips
// to the inch at 96 pixels to the inch) at 100 %, and the zoom multiplies that. Qt's own high-DPI
// scaling takes it from there, so the two compose.
inline constexpr int twipsPerPixel = 15;

class Scale {
  public:
    constexpr explicit Scale(int percent = 100) : percent_(percent) {}

    constexpr int percent() const { return percent_; }

    // Rounded half away from zero, so that a place and its mirror image round alike.
    constexpr int toPixels(int twips) const {
        const long long scaled = static_cast<long long>(twips) * percent_;
        constexpr long long divisor = twipsPerPixel * 100LL;
        return static_cast<int>((scaled >= 0 ? scaled + divisor / 2 : scaled - divisor / 2) /
                                divisor);
    }

    QRect toPixels(const Rect& rect) const {
        return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width),
                toPixels(rect.height)};
    }

    QSize toPixels(const Size& size) const { return {toPixels(size.width), toPixels(size.height)}; }

    // A length designed in pixels, such as a line's width or a border: zoomed, never below one.
    constexpr int pixels(int designed) const {
        return std::max(1, (designed * percent_ + 50) / 100);
    }

    constexpr double points(double designed) const { return designed * percent_ / 100.0; }

  private:
    int percent_;
};

inline int toPixels(int twips) {
    return Scale().toPixels(twips);
}

inline QRect toPixels(const Rect& rect) {
    return Scale().toPixels(rect);
}

inline QSize toPixels(const Size& size) {
    return Scale().toPixels(size);
}

}  // namespace talvera::ui::qt
