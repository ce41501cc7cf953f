// What changes with the window's dots per inch: the controls' places, the
// font, the title bar's and taskbar's icons and the window's size. Windows 10
// moves a window between monitors of different densities; older Windows have
// one density for the whole system.
#pragma once

#include <windows.h>

#include "dpi.h"
#include "gdi.h"

namespace velmora::win32 {

// The main window's style, on which its size around the client area depends.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

class Density {
  public:
    Density(HINSTANCE instance, DpiSource source) : instance_(instance), source_(source) {}

    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_.get(); }

    // The window's first density, before its controls exist: the font for
    // them, the icons, and the window's size.
    void Begin(HWND window);
    // A move to `dpi`: every control at its new place with the new font, the
    // icons for it, and the window at the designed size with its top left
    // corner at `position`.
    void Change(HWND window, int dpi, POINT position);
    // The size of the window whose client area is the designed one at `dpi`.
    SIZE WindowSize(int dpi) const;

  private:
    void LoadIcons(HWND window);
    void FitWindow(HWND window, const POINT* position);  // null: where it is

    HINSTANCE instance_;
    DpiSource source_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    win32::Font font_;
    Icon smallIcon_;
    Icon bigIcon_;
};

}  // namespace velmora::win32
