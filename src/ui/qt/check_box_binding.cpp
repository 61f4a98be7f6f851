#include <QCheckBox>

#include "ui/qt/kind_binding.h"
#include "ui/qt/widget_look.h"
#include "ui/user.h"

namespace talvera::ui::qt {

namespace {

QWidget* create(const Control& control, QWidget* parent, const Scale& /*scale*/) {
    auto* box = new QCheckBox(parent);
    setColor(box, QPalette::WindowText, control.design().foreground);
    return box;
}

void showText(QWidget* widget, const Control& control) {
    qobject_cast<QCheckBox*>(widget)->setText(QString::fromStdString(control.caption()));
}

void showChecked(QWidget* widget, const Control& control) {
    qobject_cast<QCheckBox*>(widget)->setChecked(control.checked());
}

// A click and an assistive tool's toggle both come as a change of state, before any click
// signal. Whatever the model refuses, the box is set back to what the model holds.
void listen(QWidget* widget, Control& control, EchoGuard& guard) {
    auto* box = qobject_cast<QCheckBox*>(widget);
    QObject::connect(box, &QCheckBox::toggled, box, [&control, &guard, box](bool checked) {
        if (guard.quiet() || checked == control.checked()) {
            return;
        }
        if (!user::click(control)) {
            const EchoGuard::Scope mirroring(guard);
            showChecked(box, control);
        }
    });
}

}  // namespace

const KindBinding& checkBoxBinding() {
    static const KindBinding binding{
        .create = create, .showText = showText, .showChecked = showChecked, .listen = listen};
    return binding;
}

}  // namespace talvera::ui::qt
