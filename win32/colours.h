// The colours the window paints with: as designed, or, while Windows' high
// contrast is on, the system's own, so that text stays readable for those
// who need it. Each comes with its brush.
#pragma once

#include <windows.h>

#include <array>

#include "design.h"
#include "gdi.h"

namespace velmora::win32 {

class Colours {
  public:
    explicit Colours(bool highContrast);

    bool HighContrast() const { return highContrast_; }
    COLORREF Window() const { return window_; }
    HBRUSH WindowBrush() const { return windowBrush_.get(); }
    COLORREF Text() const { return text_; }    // on every background below
    COLORREF Paper() const { return paper_; }  // the figure's
    COLORREF Ink() const { return ink_; }
    // A control's own background, where the design gives it one; null where
    // the control keeps the system's colours.
    HBRUSH BackgroundBrush(const design::Control& control) const;
    COLORREF Background(const design::Control& control) const;

  private:
    bool highContrast_;
    COLORREF window_, text_, paper_, ink_;
    Brush windowBrush_;
    std::array<COLORREF, design::kControlCount> backgrounds_{};
    std::array<Brush, design::kControlCount> backgroundBrushes_;
};

// Whether the user has turned high contrast on (SPI_GETHIGHCONTRAST).
bool SystemHighContrast();

}  // namespace velmora::win32
