#pragma once

#include <QWidget>

#include "qt/echo_guard.h"
#include "qt/scale.h"
#include "ui/control.h"

// Binds a control of the model to one real widget: makes it, mirrors the model's changes onto it
// and feeds what the user does to it back, through the binding of the control's kind.
namespace talvera::qt {

// The widget of a control, in the control's current state, with its object name, already
// feeding the user's actions into the model.
QWidget* bindControl(ui::Control& control, QWidget* parent, const Look& look, EchoGuard& guard);

// Shows one change of the model on the control's widget, as the binder's own write.
void mirror(QWidget* widget, const ui::Control& control, ui::Change what, const Look& look,
            EchoGuard& guard);

// Fits the widget to another look: its place, its font, its colours and whatever its kind draws.
void restyle(QWidget* widget, const ui::Control& control, const Look& look);

}  // namespace talvera::qt
