#include <QFrame>
#include <QGroupBox>

#include "ui/form.h"
#include "ui/qt/kind_binding.h"
#include "ui/qt/widget_look.h"

namespace talvera::ui::qt {

namespace {

// The look comes from the program's style, which draws the title on the frame's top line.
QWidget* createTitled(const Control& control, QWidget* parent, const Scale& /*scale*/) {
    auto* box = new QGroupBox(parent);
    setColor(box, QPalette::WindowText, control.design().foreground);
    return box;
}

void showTitle(QWidget* widget, const Control& control) {
    qobject_cast<QGroupBox*>(widget)->setTitle(QString::fromStdString(control.caption()));
}

QWidget* createPlain(const Control& control, QWidget* parent, const Scale& scale) {
    if (control.design().border == Border::None) {
        // A borderless panel must hide what lies beneath it, in the form's own colour.
        auto* panel = new QWidget(parent);
        panel->setAutoFillBackground(true);
        setColor(panel, QPalette::Window, control.form().background());
        return panel;
    }
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(control.design().border == Border::Sunken ? QFrame::Sunken
                                                                    : QFrame::Plain);
    frame->setLineWidth(scale.pixels(1));
    return frame;
}

void rescalePlain(QWidget* widget, const Control& control, const Scale& scale) {
    if (control.design().border != Border::None) {
        qobject_cast<QFrame*>(widget)->setLineWidth(scale.pixels(1));
    }
}

}  // namespace

const KindBinding& frameBinding() {
    static const KindBinding binding{.create = createPlain, .rescale = rescalePlain};
    return binding;
}

const KindBinding& titledFrameBinding() {
    static const KindBinding binding{.create = createTitled, .showText = showTitle};
    return binding;
}

}  // namespace talvera::ui::qt
