// Draws the figures with GDI at a window's density, sharp at any scale.
#pragma once

#include <windows.h>

#include "scaled_figure.h"

namespace velmora::win32 {

// The sunken border and, inside it, the figure in `ink` on `paper` (black on
// white as designed), filling `bounds` (the picture's whole rectangle) at
// `dpi` dots per inch; labels in `font`.
void PaintFigure(HDC dc, const RECT& bounds, int dpi, HFONT font, COLORREF paper, COLORREF ink);

// The trapezoid of a calculation to scale, fitted by `fit` (its pane's) into
// `bounds` on `paper`: its sides, the inscribed circle, the radius to the base
// a and the labels.
void PaintScaledFigure(HDC dc, const RECT& bounds, int dpi, COLORREF paper, COLORREF ink,
                       const solution::ScaledFigure& drawing, const solution::FigureFit& fit);

// A sunken edge `width` wide just inside `r`, as DrawEdge draws one at any density.
void PaintSunkenBorder(HDC dc, RECT r, int width);

// A frame `width` wide just inside `r`, in the system's highlight colour:
// where the keyboard focus is.
void PaintFocusFrame(HDC dc, RECT r, int width);

}  // namespace velmora::win32
