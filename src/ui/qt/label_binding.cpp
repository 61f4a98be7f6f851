#include <QLabel>

#include "ui/qt/kind_binding.h"
#include "ui/qt/widget_look.h"

namespace talvera::ui::qt {

namespace {

QWidget* create(const Control& control, QWidget* parent, const Scale& /*scale*/) {
    auto* label = new QLabel(parent);
    label->setAlignment(toQtAlignment(control.design().alignment));
    setColor(label, QPalette::WindowText, control.design().foreground);
    return label;
}

void showText(QWidget* widget, const Control& control) {
    qobject_cast<QLabel*>(widget)->setText(QString::fromStdString(control.caption()));
}

// Text does not grow exactly in step with the twips, since the glyphs are hinted at each size;
// a left-aligned caption that would be cut at its right end gets the room it needs, as it has
// at 100 %, where nothing changes.
void rescale(QWidget* widget, const Control& /*control*/, const Scale& scale) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (scale.percent() == 100 || !label->alignment().testFlag(Qt::AlignLeft) ||
        label->text().contains(QLatin1Char('\n'))) {
        return;
    }
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    if (needed > label->width()) {
        label->resize(needed, label->height());
    }
}

}  // namespace

const KindBinding& labelBinding() {
    static const KindBinding binding{.create = create, .showText = showText, .rescale = rescale};
    return binding;
}

}  // namespace talvera::ui::qt
