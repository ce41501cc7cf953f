// The pane's figure moved by its corners: the left button drags a corner,
// with the pointer captured and a cursor that shows a corner can be taken;
// the keys move the bases while it has the focus, which Tab gives it.
#pragma once

#include <windows.h>

#include "figure_drag_input.h"

namespace velmora::win32 {

// From now on, the mouse and the keys on `control` move the figure that
// its pane draws in it, through `drag`, which outlives the control.
void MoveByCorners(HWND control, solution::FigureDragInput& drag);

}  // namespace velmora::win32
