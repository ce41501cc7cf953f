// What the main window paints itself: its background around the working's
// sheet, the static controls' colours, the buttons, the check boxes and the
// figures, in the designed colours or, in high contrast, the system's.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "colours.h"
#include "density.h"
#include "working_pane.h"

namespace velmora::win32 {

class WindowPainting {
  public:
    WindowPainting(const Colours& colours, const Density& density,
                   const std::optional<WorkingPane>& working)
        : colours_(colours), density_(density), working_(working) {}

    // WM_ERASEBKGND: the window's colour, but for the sheet, which is white
    // and painted once, so that it does not flicker while the window is resized.
    void EraseBackground(HWND window, HDC dc) const;
    // WM_CTLCOLORSTATIC: a control's colours; null where the system's are its.
    HBRUSH ColourStatic(HDC dc, HWND control) const;
    void DrawItem(const DRAWITEMSTRUCT& item) const;  // WM_DRAWITEM
    LRESULT CustomDraw(NMCUSTOMDRAW& draw) const;     // NM_CUSTOMDRAW
  private:
    const Colours& colours_;
    const Density& density_;
    const std::optional<WorkingPane>& working_;
};

}  // namespace velmora::win32
