// Turns a row of the design table into a Qt widget: the widget class for its
// kind, placed, named, captioned, coloured and flagged as designed.
#pragma once

#include "design.h"

class QWidget;

namespace velmora {

// The widget, a child of `parent` (the window, or the frame for the controls
// in it); its object name is the control's indexed name ("Text2_3").
QWidget* CreateControl(const design::Control& control, QWidget* parent);

// Paints a widget's background in a designed colour.
void FillBackground(QWidget* widget, Colour colour);
// The same, with the designed text on it.
void FillDesigned(QWidget* widget, Colour colour);

}  // namespace velmora
