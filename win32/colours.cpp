#include "colours.h"

namespace velmora::win32 {
namespace {

COLORREF ToColorRef(Colour colour) {
    return RGB(colour.red, colour.green, colour.blue);
}

std::size_t RowOf(const design::Control& control) {
    return static_cast<std::size_t>(&control - design::kControls.data());
}

}  // namespace

// In high contrast, a dialog's colours for the window and its controls, a
// document's for the figure.
Colours::Colours(bool highContrast)
    : highContrast_(highContrast),
      window_(highContrast ? GetSysColor(COLOR_BTNFACE) : ToColorRef(design::kWindow.background)),
      text_(GetSysColor(highContrast ? COLOR_BTNTEXT : COLOR_WINDOWTEXT)),
      paper_(highContrast ? GetSysColor(COLOR_WINDOW) : ToColorRef(figure::kPaper)),
      ink_(highContrast ? GetSysColor(COLOR_WINDOWTEXT) : ToColorRef(figure::kInk)),
      windowBrush_(CreateSolidBrush(window_)) {
    for (const design::Control& control : design::kControls) {
        if (!control.background) continue;
        const COLORREF colour =
            highContrast ? GetSysColor(COLOR_BTNFACE) : ToColorRef(*control.background);
        backgrounds_[RowOf(control)] = colour;
        backgroundBrushes_[RowOf(control)] = Brush(CreateSolidBrush(colour));
    }
}

HBRUSH Colours::BackgroundBrush(const design::Control& control) const {
    return backgroundBrushes_[RowOf(control)].get();
}

COLORREF Colours::Background(const design::Control& control) const {
    return backgrounds_[RowOf(control)];
}

bool SystemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace velmora::win32
