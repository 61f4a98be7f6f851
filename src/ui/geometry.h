#pragma once

#include <cstdint>
#include <string>

namespace talvera::ui {

// Positions and sizes are in twips (1/1440 inch), as the pages are designed; only the Qt binder
// turns them into pixels.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
};

struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

struct Font {
    std::string family;
    double points = 0;  // 0: the toolkit's default font
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color red{255, 0, 0};
inline constexpr Color grey{192, 192, 192};
inline constexpr Color face{236, 233, 216};
}  // namespace colors

}  // namespace talvera::ui
