// The window's controls, made from the design table: each kind as a standard
// Windows control, in the table's order, which is the tab order.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// Creates every control of the table in `window`, each at its place for `dpi`
// (so that the text boxes wrap at their real width from the start), with
// `font`, its text, and its keyboard handling.
void CreateControls(HWND window, HINSTANCE instance, int dpi, HFONT font);

// Moves every control to its place for `dpi`.
void PlaceControls(HWND window, int dpi);

}  // namespace velmora::win32
