// Draws the figure with GDI at a window's density, sharp at any scale.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// The sunken border and, inside it, the figure in `ink` on `paper` (black on
// white as designed), filling `bounds` (the picture's whole rectangle) at
// `dpi` dots per inch; labels in `font`.
void PaintFigure(HDC dc, const RECT& bounds, int dpi, HFONT font, COLORREF paper, COLORREF ink);

}  // namespace velmora::win32
