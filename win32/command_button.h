// Calculate and Clear: push buttons drawn by the window, so that they show
// their own colours (a themed button ignores any), and that answer Enter as
// Windows' own push buttons do when they have the focus.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// The button's face in `face`, a raised edge (sunken while pressed), the
// caption in the system's button text colour and the focus rectangle.
void PaintCommandButton(const DRAWITEMSTRUCT& item, COLORREF face, int dpi);

// Makes Enter press the focused button, as Space does.
void PressOnEnter(HWND button);

}  // namespace velmora::win32
