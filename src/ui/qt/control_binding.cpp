#include "ui/qt/control_binding.h"

#include "ui/qt/fonts.h"
#include "ui/qt/kind_binding.h"

namespace talvera::ui::qt {

namespace {

// The one dispatch on the kind of a control.
const KindBinding& bindingFor(const Control& control) {
    switch (control.kind()) {
        case ControlKind::Label:
            return labelBinding();
        case ControlKind::TextBox:
            return textBoxBinding();
        case ControlKind::Button:
            return buttonBinding();
        case ControlKind::CheckBox:
            return checkBoxBinding();
        case ControlKind::Frame:
            return control.design().border == Border::Titled ? titledFrameBinding()
                                                             : frameBinding();
        case ControlKind::Line:
            return lineBinding();
        case ControlKind::Picture:
            break;
    }
    return pictureBinding();
}

QRect geometryOf(const KindBinding& binding, const Control& control, const Scale& scale) {
    return binding.geometry != nullptr ? binding.geometry(control, scale)
                                       : scale.toPixels(control.place());
}

// A designed font at the zoom; a control without one takes its container's, already zoomed.
QFont fontOf(const Control& control, const QWidget* parent, const Scale& scale) {
    Font font = control.design().font;
    font.points = scale.points(font.points);
    return toQFont(font, parent->font());
}

void show(QWidget* widget, const KindBinding& binding, const Control& control, Change what,
          const Scale& scale) {
    switch (what) {
        case Change::Text:
            if (binding.showText != nullptr) {
                binding.showText(widget, control);
            }
            break;
        case Change::Visible:
            if (control.visible() && binding.aboutToShow != nullptr) {
                binding.aboutToShow(widget, control, scale);
            }
            widget->setVisible(control.visible());
            break;
        case Change::Enabled:
            widget->setEnabled(control.enabled());
            break;
        case Change::Position:
            widget->setGeometry(geometryOf(binding, control, scale));
            break;
        case Change::Stacking:
            widget->raise();
            break;
        case Change::Checked:
            if (binding.showChecked != nullptr) {
                binding.showChecked(widget, control);
            }
            break;
        case Change::Description:
            if (binding.describe != nullptr) {
                binding.describe(widget, control);
            } else {
                widget->setAccessibleDescription(QString::fromStdString(control.description()));
            }
            break;
        case Change::Focus:
            widget->setFocus(Qt::OtherFocusReason);
            break;
    }
}

}  // namespace

QWidget* bindControl(Control& control, QWidget* parent, const Scale& scale, EchoGuard& guard) {
    const KindBinding& binding = bindingFor(control);
    QWidget* widget = binding.create(control, parent, scale);
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setFont(fontOf(control, parent, scale));
    if (!control.design().tooltip.empty()) {
        widget->setToolTip(QString::fromStdString(control.design().tooltip));
    }
    if (!control.accessibleName().empty()) {
        widget->setAccessibleName(QString::fromStdString(control.accessibleName()));
    }
    {
        const EchoGuard::Scope mirroring(guard);
        for (const Change what : {Change::Text, Change::Position, Change::Enabled, Change::Checked,
                                  Change::Visible, Change::Description}) {
            show(widget, binding, control, what, scale);
        }
    }
    if (binding.listen != nullptr) {
        binding.listen(widget, control, guard);
    }
    return widget;
}

void mirror(QWidget* widget, const Control& control, Change what, const Scale& scale,
            EchoGuard& guard) {
    const EchoGuard::Scope mirroring(guard);
    show(widget, bindingFor(control), control, what, scale);
}

void rescale(QWidget* widget, const Control& control, const Scale& scale) {
    const KindBinding& binding = bindingFor(control);
    widget->setFont(fontOf(control, widget->parentWidget(), scale));
    widget->setGeometry(geometryOf(binding, control, scale));
    if (binding.rescale != nullptr) {
        binding.rescale(widget, control, scale);
    }
}

}  // namespace talvera::ui::qt
