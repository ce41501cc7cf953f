// The working of the last calculation, in the room right of the calculator
// that a widened window gains: a sunken sheet in the system's window colours
// with the heading (which names the text box for screen readers), the lines
// in a read-only text box that scrolls and can be copied from, and the
// trapezoid to scale. Made the first time there is room for it; it follows
// every calculation even while it is hidden.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "solution.h"
#include "working_layout.h"

namespace velmora::win32 {

class WorkingPane {
  public:
    WorkingPane(HWND window, HINSTANCE instance) : window_(window), instance_(instance) {}

    // The working of a calculation, or nothing: the line that says what will appear.
    void Show(std::optional<solution::Solution> solution, int dpi, HFONT font);
    // Shows the pane where the window is wide enough for it, placed for `dpi`,
    // its text in `font`; hides it where not.
    void LayOut(int dpi, HFONT font);

    // The sheet under the controls, from the window's WM_ERASEBKGND.
    void PaintSheet(HDC dc, int dpi) const;
    // The figure, from the window's WM_DRAWITEM; false for any other control.
    bool PaintFigure(const DRAWITEMSTRUCT& item, int dpi) const;
    // Whether the control is one of the pane's, which take the system's window colours.
    bool Holds(HWND control) const;

  private:
    void Create(HFONT font);
    void Fill();

    HWND window_;
    HINSTANCE instance_;
    std::optional<solution::Solution> solution_;
    std::u16string lines_;        // the working as text, lines ended by CR LF
    std::u16string description_;  // of the figure, for screen readers
    std::optional<design::WorkingPaneLayout> laid_;
    HWND heading_ = nullptr;
    HWND text_ = nullptr;
    HWND figure_ = nullptr;
};

}  // namespace velmora::win32
