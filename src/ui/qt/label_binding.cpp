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

}  // namespace

const KindBinding& labelBinding() {
    static const KindBinding binding{.create = create, .showText = showText};
    return binding;
}

}  // namespace talvera::ui::qt
