#pragma once

#include <QWidget>

#include "ui/control.h"

namespace talvera::ui::qt {

// Creates the real widget for a control, in the control's current state, with its object name.
QWidget* createWidget(const Control& control, QWidget* parent);

// Shows one change of the control on its widget.
void mirror(QWidget* widget, const Control& control, Change what);

}  // namespace talvera::ui::qt
