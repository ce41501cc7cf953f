// The colours the window paints with: as designed, or, while Windows' high
// contrast is on, the system's own, so that text stays readable for those
// who need it.
#pragma once

#include <windows.h>

#include <array>

namespace velmora::win32 {

struct Palette {
    COLORREF window;                   // the window, the frame and the check boxes' row
    COLORREF label;                    // Label1
    COLORREF check;                    // the check boxes
    std::array<COLORREF, 2> commands;  // Calculate and Clear
    COLORREF text;                     // on all of the above
    COLORREF figure;                   // the figure's paper
    COLORREF figureInk;                // its lines and labels
    bool highContrast;

    static Palette Designed();
    static Palette HighContrast();  // from the system colours now set
    static Palette For(bool highContrast) { return highContrast ? HighContrast() : Designed(); }
};

// Whether the user has turned high contrast on (SPI_GETHIGHCONTRAST).
bool SystemHighContrast();

}  // namespace velmora::win32
