#include "density.h"

#include <string>

#include "control_creation.h"
#include "design.h"
#include "resource_ids.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

win32::Font WindowFont(int dpi) {
    const design::Font& font = design::kFont;
    // Windows has the first family; its font mapper stands in for any other.
    const std::u16string family = Utf16(font.families.front());
    return win32::Font(CreateFontW(
        -MulDiv(font.points, dpi, layout::kPointsPerInch), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
        font.cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
        CLEARTYPE_QUALITY, VARIABLE_PITCH | FF_ROMAN, Wide(family)));
}

}  // namespace

void Density::Begin(HWND window) {
    dpi_ = source_.WindowDpi(window);
    font_ = WindowFont(dpi_);
    LoadIcons(window);
    FitWindow(window, nullptr);
}

void Density::Change(HWND window, int dpi, POINT position) {
    dpi_ = dpi;
    win32::Font font = WindowFont(dpi);
    PlaceControls(window, dpi, font.get());
    font_ = std::move(font);  // the old one only now, when no control uses it
    LoadIcons(window);
    FitWindow(window, &position);
}

SIZE Density::WindowSize(int dpi) const {
    const layout::PixelRect client =
        layout::ToPixels({0, 0, design::kWindow.widthTwips, design::kWindow.heightTwips}, dpi);
    const RECT r =
        source_.WindowRect({0, 0, client.width, client.height}, kMainWindowStyle, 0, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

// The title bar's and the taskbar's icons, drawn for the window's density.
void Density::LoadIcons(HWND window) {
    const auto load = [&](int width, int height) {
        return Icon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                                  source_.SystemMetric(width, dpi_),
                                                  source_.SystemMetric(height, dpi_), 0)));
    };
    Icon small = load(SM_CXSMICON, SM_CYSMICON);
    Icon big = load(SM_CXICON, SM_CYICON);
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    smallIcon_ = std::move(small);  // the old ones only now, when the window has let them go
    bigIcon_ = std::move(big);
}

void Density::FitWindow(HWND window, const POINT* position) {
    const SIZE size = WindowSize(dpi_);
    SetWindowPos(window, nullptr, position ? position->x : 0, position ? position->y : 0, size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (position ? 0 : SWP_NOMOVE));
}

}  // namespace velmora::win32
