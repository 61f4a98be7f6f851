#include "qt/control_binding.h"

#include "qt/fonts.h"
#include "qt/kind_binding.h"

namespace talvera::qt {

namespace {

// The one dispatch on the kind of a control.
const KindBinding& bindingFor(const ui::Control& control) {
    switch (control.kind()) {
        case ui::ControlKind::Label:
            return labelBinding();
        case ui::ControlKind::TextBox:
            return textBoxBinding();
        case ui::ControlKind::Button:
            return buttonBinding();
        case ui::ControlKind::CheckBox:
            return checkBoxBinding();
        case ui::ControlKind::Frame:
            return control.design().border == ui::Border::Titled ? titledFrameBinding()
                                                                 : frameBinding();
        case ui::ControlKind::Line:
            return lineBinding();
        case ui::ControlKind::Drawing:
            return drawingBinding();
        case ui::ControlKind::ComboBox:
            return comboBoxBinding();
        case ui::ControlKind::Picture:
            break;
    }
    return pictureBinding();
}

// A designed font at the zoom; a control without one takes its container's, already zoomed.
QFont fontOf(const ui::Control& control, const QWidget* parent, const Scale& scale) {
    ui::Font font = control.design().font;
    font.points = scale.points(font.points);
    return toQFont(font, parent->font());
}

void show(QWidget* widget, const KindBinding& binding, const ui::Control& control, ui::Change what,
          const Look& look) {
    switch (what) {
        case ui::Change::Text:
            binding.showText(widget, control);
            break;
        case ui::Change::Visible:
            widget->setVisible(control.visible());
            break;
        case ui::Change::Enabled:
            widget->setEnabled(control.enabled());
            break;
        case ui::Change::Position:
            widget->setGeometry(binding.geometry(control, look));
            break;
        case ui::Change::Stacking:
            widget->raise();
            break;
        case ui::Change::Checked:
            binding.showChecked(widget, control);
            break;
        case ui::Change::Description:
            binding.describe(widget, control);
            break;
        case ui::Change::Focus:
            widget->setFocus(Qt::OtherFocusReason);
            break;
        case ui::Change::Drawing:
            binding.showDrawing(widget, control);
            break;
    }
}

}  // namespace

QWidget* bindControl(ui::Control& control, QWidget* parent, const Look& look, EchoGuard& guard) {
    const KindBinding& binding = bindingFor(control);
    QWidget* widget = binding.create(control, parent);
    widget->setObjectName(QString::fromStdString(control.name()));
    widget->setFont(fontOf(control, parent, look.scale));
    binding.restyle(widget, control, look);
    if (!control.design().tooltip.empty()) {
        widget->setToolTip(QString::fromStdString(control.design().tooltip));
    }
    if (!control.accessibleName().empty()) {
        widget->setAccessibleName(QString::fromStdString(control.accessibleName()));
    }
    {
        const EchoGuard::Scope mirroring(guard);
        for (const ui::Change what :
             {ui::Change::Text, ui::Change::Position, ui::Change::Enabled, ui::Change::Checked,
              ui::Change::Drawing, ui::Change::Visible, ui::Change::Description}) {
            show(widget, binding, control, what, look);
        }
    }
    binding.listen(widget, control, guard);
    return widget;
}

void mirror(QWidget* widget, const ui::Control& control, ui::Change what, const Look& look,
            EchoGuard& guard) {
    const EchoGuard::Scope mirroring(guard);
    show(widget, bindingFor(control), control, what, look);
}

void restyle(QWidget* widget, const ui::Control& control, const Look& look) {
    const KindBinding& binding = bindingFor(control);
    widget->setFont(fontOf(control, widget->parentWidget(), look.scale));
    widget->setGeometry(binding.geometry(control, look));
    binding.restyle(widget, control, look);
}

}  // namespace talvera::qt
