#pragma once

#include <QRect>

#include "ui/geometry.h"

namespace talvera::ui::qt {

// The one place where twips become pixels: 15 twips make a device-independent pixel (1440 twips
// to the inch at 96 pixels to the inch). Qt's own high-DPI scaling takes it from there.
inline constexpr int twipsPerPixel = 15;

inline int toPixels(int twips) {
    return (twips >= 0 ? twips + twipsPerPixel / 2 : twips - twipsPerPixel / 2) / twipsPerPixel;
}

inline QRect toPixels(const Rect& rect) {
    return {toPixels(rect.left), toPixels(rect.top), toPixels(rect.width), toPixels(rect.height)};
}

inline QSize toPixels(const Size& size) {
    return {toPixels(size.width), toPixels(size.height)};
}

}  // namespace talvera::ui::qt
