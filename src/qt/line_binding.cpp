#include <QWidget>

#include "qt/kind_binding.h"
#include "qt/widget_look.h"

namespace talvera::qt {

namespace {

class LineBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& /*control*/, QWidget* parent) const override {
        auto* line = new QWidget(parent);
        line->setAutoFillBackground(true);
        return line;
    }

    // In high contrast every line is black and thicker, fraction bars among them.
    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        setColor(widget, QPalette::Window,
                 look.highContrast ? ui::colors::black
                                   : control.design().foreground.value_or(ui::colors::black));
    }

    // A line is drawn as a thin filled strip around its segment.
    QRect geometry(const ui::Control& control, const Look& look) const override {
        const Scale& scale = look.scale;
        const ui::Rect place = control.place();
        const int designed = std::max(1, control.design().lineWidth);
        const int width = scale.pixels(look.highContrast ? std::max(3, 2 * designed) : designed);
        const QPoint from(scale.toPixels(place.left), scale.toPixels(place.top));
        const QPoint to(scale.toPixels(place.left + place.width),
                        scale.toPixels(place.top + place.height));
        QRect strip = QRect(from, to).normalized();
        if (strip.height() < width) {
            strip.setTop(from.y() - width / 2);
            strip.setHeight(width);
        }
        if (strip.width() < width) {
            strip.setLeft(from.x() - width / 2);
            strip.setWidth(width);
        }
        return strip;
    }
};

}  // namespace

const KindBinding& lineBinding() {
    static const LineBinding binding;
    return binding;
}

}  // namespace talvera::qt
