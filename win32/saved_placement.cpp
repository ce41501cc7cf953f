#include "saved_placement.h"

#include <cstdint>
#include <vector>

#include "window_placement.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kLeft[] = L"Left";
constexpr wchar_t kTop[] = L"Top";
constexpr wchar_t kWidth[] = L"Width";    // of the client area, in twips
constexpr wchar_t kHeight[] = L"Height";  // likewise
constexpr wchar_t kMaximized[] = L"Maximized";

// A DWORD value as a signed number; nothing where it is missing or of another type.
std::optional<long long> ReadNumber(const std::wstring& key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        const RECT& r = info.rcWork;
        reinterpret_cast<std::vector<layout::PixelRect>*>(list)->push_back(
            {r.left, r.top, r.right - r.left, r.bottom - r.top});
    }
    return TRUE;
}

// GetWindowPlacement's workspace coordinates in the screen's, which leave out
// a taskbar at the top or left of the monitor.
RECT OnScreen(RECT r) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &info)) {
        OffsetRect(&r, info.rcWork.left - info.rcMonitor.left,
                   info.rcWork.top - info.rcMonitor.top);
    }
    return r;
}

}  // namespace

std::optional<Placement> ReadPlacement(const std::wstring& key, int dpi) {
    if (key.empty()) return std::nullopt;
    const placement::Saved saved{ReadNumber(key, kLeft), ReadNumber(key, kTop),
                                 ReadNumber(key, kWidth), ReadNumber(key, kHeight)};
    std::vector<layout::PixelRect> screens;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&screens));
    const std::optional<layout::PixelRect> r = placement::Reopened(saved, dpi, screens);
    if (!r) return std::nullopt;
    return Placement{{r->left, r->top, r->left + r->width, r->top + r->height},
                     ReadNumber(key, kMaximized).value_or(0) == 1};
}

void SavePlacement(const std::wstring& key, HWND window, SIZE clientTwips, RECT frame) {
    if (key.empty()) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (!GetWindowPlacement(window, &placement)) return;
    const RECT normal = OnScreen(placement.rcNormalPosition);
    const bool maximised =
        placement.showCmd == SW_SHOWMAXIMIZED ||
        (placement.showCmd == SW_SHOWMINIMIZED && (placement.flags & WPF_RESTORETOMAXIMIZED));
    HKEY settings = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &settings, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const auto write = [settings](const wchar_t* name, long value) {
        const auto data = static_cast<DWORD>(value);
        RegSetValueExW(settings, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                       sizeof data);
    };
    // The client area's corner: the window's, less its frame.
    write(kLeft, normal.left - frame.left);
    write(kTop, normal.top - frame.top);
    write(kWidth, clientTwips.cx);
    write(kHeight, clientTwips.cy);
    write(kMaximized, maximised ? 1 : 0);
    RegCloseKey(settings);
}

}  // namespace velmora::win32
