// Where a window's dots per inch come from. Windows 10 version 1607 and later
// give each monitor its own density (GetDpiForWindow, AdjustWindowRectExForDpi,
// GetSystemMetricsForDpi);
// older Windows have one for the whole system. The newer functions are looked
// up at run time, so that the program starts on Windows 7.
#pragma once

#include <windows.h>

namespace velmora::win32 {

// WM_GETDPISCALEDSIZE: Windows 10 1703 and later ask for the size to suggest
// at a new density; newer than the headers for Windows 7 declare.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

class DpiSource {
  public:
    // With the per-monitor functions where this Windows has them.
    static DpiSource OfThisSystem();
    // The system's density alone, as on Windows 7 and 8.
    static DpiSource SystemWide() { return DpiSource(); }

    bool PerMonitor() const { return getDpiForWindow_ != nullptr; }
    int WindowDpi(HWND window) const;
    // The window rectangle around `client` for a window of this style at `dpi`.
    RECT WindowRect(RECT client, DWORD style, DWORD exStyle, int dpi) const;
    // A system metric (SM_CXSMICON, say) at `dpi`.
    int SystemMetric(int index, int dpi) const;
    // The density of a monitor: its own where each has one (shcore's
    // GetDpiForMonitor, asked only when a saved place is checked), the
    // system's otherwise.
    int MonitorDpi(HMONITOR monitor) const;

  private:
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    using MetricForDpiFunction = int(WINAPI*)(int, UINT);

    GetDpiForWindowFunction getDpiForWindow_ = nullptr;
    AdjustForDpiFunction adjustWindowRectExForDpi_ = nullptr;
    MetricForDpiFunction getSystemMetricsForDpi_ = nullptr;
};

}  // namespace velmora::win32
