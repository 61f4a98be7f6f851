#include <QLabel>

#include "qt/kind_binding.h"
#include "qt/widget_look.h"

namespace talvera::qt {

namespace {

class LabelBinding final : public KindBinding {
  public:
    QWidget* create(const ui::Control& control, QWidget* parent) const override {
        auto* label = new QLabel(parent);
        label->setAlignment(toQtAlignment(control.design().alignment));
        label->setWordWrap(control.design().wrap);
        return label;
    }

    void showText(QWidget* widget, const ui::Control& control) const override {
        qobject_cast<QLabel*>(widget)->setText(QString::fromStdString(control.caption()));
    }

    // Text does not grow exactly in step with the twips, since the glyphs are hinted at each
    // size; a left-aligned caption that would be cut at its right end gets the room it needs, as
    // it has at 100 %, where nothing changes.
    void restyle(QWidget* widget, const ui::Control& control, const Look& look) const override {
        setColor(widget, QPalette::WindowText, control.design().foreground, look.highContrast);
        auto* label = qobject_cast<QLabel*>(widget);
        if (look.scale.percent() == ui::zoom::normal ||
            !label->alignment().testFlag(Qt::AlignLeft) || label->wordWrap() ||
            label->text().contains(QLatin1Char('\n'))) {
            return;
        }
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > label->width()) {
            label->resize(needed, label->height());
        }
    }
};

}  // namespace

const KindBinding& labelBinding() {
    static const LabelBinding binding;
    return binding;
}

}  // namespace talvera::qt
