// What changes with the window's dots per inch: the controls' places, the
// font, the title bar's and taskbar's icons and the window's size. Windows 10
// moves a window between monitors of different densities; older Windows have
// one density for the whole system.
#pragma once

#include <windows.h>

#include "design.h"
#include "dpi.h"
#include "gdi.h"

namespace velmora::win32 {

// The main window's style, on which its size around the client area depends:
// a sizing border and a maximise box, since a wider window shows the working.
inline constexpr DWORD kMainWindowStyle = WS_OVERLAPPEDWINDOW;

// The client area as designed, in twips: the window's least.
inline constexpr SIZE kDesignedClientTwips{design::kWindow.widthTwips, design::kWindow.heightTwips};

// The window's font with letters `pixels` high.
win32::Font DesignedFont(int pixels);

class Density {
  public:
    Density(HINSTANCE instance, DpiSource source) : instance_(instance), source_(source) {}

    int Dpi() const { return dpi_; }
    HFONT Font() const { return font_.get(); }
    const DpiSource& Source() const { return source_; }

    // The window's first density, before its controls exist: the font for
    // them, the icons, and the window at its designed size.
    void Begin(HWND window);
    // A move to `dpi`: every control at its new place, every child window
    // (the working's too) with the new font before the old one is deleted,
    // and the icons for it. The window's size is its owner's to choose.
    void Change(HWND window, int dpi);
    // The size of the window whose client area is `clientTwips` at `dpi`.
    SIZE WindowSize(int dpi, SIZE clientTwips = kDesignedClientTwips) const;
    // How far the window's edges stand outside its client area at `dpi`:
    // left and top negative, right and bottom positive.
    RECT Frame(int dpi) const;

  private:
    void LoadIcons(HWND window);

    HINSTANCE instance_;
    DpiSource source_;
    int dpi_ = USER_DEFAULT_SCREEN_DPI;
    win32::Font font_;
    Icon smallIcon_;
    Icon bigIcon_;
};

}  // namespace velmora::win32
