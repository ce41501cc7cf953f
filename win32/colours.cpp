#include "colours.h"

namespace velmora::win32 {

Palette Palette::Designed() {
    return {RGB(192, 192, 255),
            RGB(255, 192, 128),
            RGB(128, 128, 255),
            {RGB(128, 255, 128), RGB(255, 128, 128)},
            GetSysColor(COLOR_WINDOWTEXT),  // the system's text colour, as on every control
            RGB(255, 255, 255),
            RGB(0, 0, 0),
            false};
}

// A dialog's colours for the window and its buttons, a document's for the figure.
Palette Palette::HighContrast() {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    return {face,
            face,
            face,
            {face, face},
            GetSysColor(COLOR_BTNTEXT),
            GetSysColor(COLOR_WINDOW),
            GetSysColor(COLOR_WINDOWTEXT),
            true};
}

bool SystemHighContrast() {
    HIGHCONTRASTW setting{};
    setting.cbSize = sizeof setting;
    return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
           (setting.dwFlags & HCF_HIGHCONTRASTON);
}

}  // namespace velmora::win32
