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
    return DesignedFont(MulDiv(design::kFont.points, dpi, layout::kPointsPerInch));
}

}  // namespace

win32::Font DesignedFont(int pixels) {
    const design::Font& font = design::kFont;
    // Windows has the first family; its font mapper stands in for any other.
    const std::u16string family = Utf16(font.families.front());
    return win32::Font(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                   font.cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET, OUT_TT_PRECIS,
                                   CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                   VARIABLE_PITCH | FF_ROMAN, Wide(family)));
}

void Density::Begin(HWND window) {
    dpi_ = source_.WindowDpi(window);
    font_ = WindowFont(dpi_);
    LoadIcons(window);
    const SIZE size = WindowSize(dpi_);
    SetWindowPos(window, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Density::Change(HWND window, int dpi) {
    dpi_ = dpi;
    win32::Font font = WindowFont(dpi);
    PlaceControls(window, dpi);
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    font_ = std::move(font);  // the old one only now, when no child uses it
    LoadIcons(window);
}

SIZE Density::WindowSize(int dpi, SIZE clientTwips) const {
    const layout::PixelRect client = layout::ToPixels(
        {0, 0, static_cast<int>(clientTwips.cx), static_cast<int>(clientTwips.cy)}, dpi);
    const RECT r =
        source_.WindowRect({0, 0, client.width, client.height}, kMainWindowStyle, 0, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

RECT Density::Frame(int dpi) const {
    return source_.WindowRect({0, 0, 0, 0}, kMainWindowStyle, 0, dpi);
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

}  // namespace velmora::win32
