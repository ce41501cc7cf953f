// The controls the window draws itself: the buttons, so that they show their
// own colours (a themed button ignores any), and the check boxes, which are
// disabled (only the program sets them) but keep their symbols in the normal
// text colour, since they label the value boxes. The figure: figure_painter.h.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace velmora::win32 {

// The button's face in `face`, a raised edge (sunken while pressed), the
// caption in the system's button text colour and the focus rectangle.
void PaintCommandButton(const DRAWITEMSTRUCT& item, COLORREF face, int dpi);

// A check box on `background`: the square with its mark, and the caption in
// `text` and `font`. Returns what NM_CUSTOMDRAW returns.
LRESULT PaintCheckBox(const NMCUSTOMDRAW& draw, HBRUSH background, COLORREF text, HFONT font,
                      int dpi);

}  // namespace velmora::win32
