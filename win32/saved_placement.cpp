#include "saved_placement.h"

#include <cstdint>
#include <vector>

namespace velmora::win32 {
namespace {

constexpr wchar_t kLeft[] = L"Left";      // of the client area, in pixels of the screen
constexpr wchar_t kTop[] = L"Top";        // likewise
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

layout::PixelRect Pixels(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

struct Monitors {
    const DpiSource& dpi;
    std::vector<placement::Screen> screens;
};

BOOL CALLBACK AddScreen(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    auto& monitors = *reinterpret_cast<Monitors*>(list);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info)) {
        monitors.screens.push_back({Pixels(info.rcWork), monitors.dpi.MonitorDpi(monitor)});
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

placement::Showing ShowingOf(HWND window, const WINDOWPLACEMENT& placement) {
    if (IsIconic(window)) {
        return placement.flags & WPF_RESTORETOMAXIMIZED
                   ? placement::Showing::kMinimisedFromMaximised
                   : placement::Showing::kMinimised;
    }
    return IsZoomed(window) ? placement::Showing::kMaximised : placement::Showing::kNormal;
}

}  // namespace

CreationPlace WindowPlace::Created() {
    const CreationPlace chosen{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    if (key_.empty()) return chosen;
    const placement::Saved saved{ReadNumber(key_, kLeft), ReadNumber(key_, kTop),
                                 ReadNumber(key_, kWidth), ReadNumber(key_, kHeight),
                                 ReadNumber(key_, kMaximized).value_or(0) == 1};
    Monitors monitors{density_.Source(), {}};
    EnumDisplayMonitors(nullptr, nullptr, AddScreen, reinterpret_cast<LPARAM>(&monitors));
    const std::optional<placement::Reopening> opened =
        placement::Reopened(saved, monitors.screens, [this](int dpi) {
            const RECT f = density_.Frame(dpi);
            return placement::Frame{f.left, f.top, f.right, f.bottom};
        });
    if (!opened) return chosen;
    saved_ = saved;
    const RECT frame = density_.Frame(opened->dpi);
    const layout::PixelRect& c = opened->client;
    return {c.left + frame.left, c.top + frame.top, c.width + frame.right - frame.left,
            c.height + frame.bottom - frame.top};
}

void WindowPlace::Restore(HWND window) {
    if (!saved_) return;
    clientTwips_ = {static_cast<LONG>(*saved_->widthTwips),
                    static_cast<LONG>(*saved_->heightTwips)};
    const RECT frame = density_.Frame(density_.Dpi());
    const SIZE size = density_.WindowSize(density_.Dpi(), clientTwips_);
    SetWindowPos(window, nullptr, static_cast<int>(*saved_->left) + frame.left,
                 static_cast<int>(*saved_->top) + frame.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    opensMaximised_ = saved_->maximised;
}

int WindowPlace::ShowCommand(int requested) const {
    if (opensMaximised_ && (requested == SW_SHOWNORMAL || requested == SW_SHOWDEFAULT)) {
        return SW_SHOWMAXIMIZED;
    }
    return requested;
}

void WindowPlace::Sized(HWND window, int kind) {
    if (kind != SIZE_RESTORED) return;
    RECT client;
    GetClientRect(window, &client);
    const int dpi = density_.Dpi();
    clientTwips_ = {
        placement::KeptTwips(client.right, clientTwips_.cx, kDesignedClientTwips.cx, dpi),
        placement::KeptTwips(client.bottom, clientTwips_.cy, kDesignedClientTwips.cy, dpi)};
}

void WindowPlace::MoveToDensity(HWND window, const RECT& suggested) {
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    if (!IsZoomed(window)) size = density_.WindowSize(density_.Dpi(), clientTwips_);
    // The size in twips stays as it was, whatever frame the system gives it.
    const SIZE kept = clientTwips_;
    SetWindowPos(window, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    clientTwips_ = kept;
}

void WindowPlace::Save(HWND window) const {
    if (key_.empty()) return;
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT now;
    RECT client;
    if (!GetWindowPlacement(window, &placement) || !GetWindowRect(window, &now) ||
        !GetClientRect(window, &client)) {
        return;
    }
    const RECT f = density_.Frame(density_.Dpi());
    const placement::Saved saved = placement::ToSave({
        .showing = ShowingOf(window, placement),
        .normal = Pixels(OnScreen(placement.rcNormalPosition)),
        .window = Pixels(now),
        .clientWidth = client.right,
        .clientHeight = client.bottom,
        .frame = {f.left, f.top, f.right, f.bottom},
        .dpi = density_.Dpi(),
        .keptWidthTwips = clientTwips_.cx,
        .keptHeightTwips = clientTwips_.cy,
    });
    HKEY settings = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                        &settings, nullptr) != ERROR_SUCCESS) {
        return;
    }
    const auto write = [settings](const wchar_t* name, long long value) {
        const auto data = static_cast<DWORD>(value);
        RegSetValueExW(settings, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                       sizeof data);
    };
    write(kLeft, *saved.left);
    write(kTop, *saved.top);
    write(kWidth, *saved.widthTwips);
    write(kHeight, *saved.heightTwips);
    write(kMaximized, saved.maximised ? 1 : 0);
    RegCloseKey(settings);
}

}  // namespace velmora::win32
