#include "dpi.h"

#include "gdi.h"
#include "system_library.h"

namespace velmora::win32 {
namespace {

// A function of user32 by name, or null where this Windows has none. The
// program imports user32 itself, so it is the one already loaded, from the
// system folder.
template <typename Function>
Function User32Function(const char* name) {
    return FunctionOf<Function>(GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

DpiSource DpiSource::OfThisSystem() {
    DpiSource source;
    source.getDpiForWindow_ = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
    source.adjustWindowRectExForDpi_ =
        User32Function<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    source.getSystemMetricsForDpi_ = User32Function<MetricForDpiFunction>("GetSystemMetricsForDpi");
    // All or none: a part is no per-monitor support.
    if (!source.getDpiForWindow_ || !source.adjustWindowRectExForDpi_ ||
        !source.getSystemMetricsForDpi_) {
        return SystemWide();
    }
    return source;
}

int DpiSource::WindowDpi(HWND window) const {
    if (getDpiForWindow_) return static_cast<int>(getDpiForWindow_(window));
    const WindowContext screen(nullptr);
    return GetDeviceCaps(screen.dc(), LOGPIXELSX);
}

RECT DpiSource::WindowRect(RECT client, DWORD style, DWORD exStyle, int dpi) const {
    if (adjustWindowRectExForDpi_) {
        adjustWindowRectExForDpi_(&client, style, FALSE, exStyle, static_cast<UINT>(dpi));
    } else {
        AdjustWindowRectEx(&client, style, FALSE, exStyle);  // at the system's density
    }
    return client;
}

int DpiSource::MonitorDpi(HMONITOR monitor) const {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: as the user scaled the monitor
    if (PerMonitor()) {
        static const auto getDpiForMonitor = FunctionOf<GetDpiForMonitorFunction>(
            LoadSystemLibrary(L"shcore.dll"), "GetDpiForMonitor");
        UINT x = 0;
        UINT y = 0;
        if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y))) {
            return static_cast<int>(x);
        }
    }
    const WindowContext screen(nullptr);
    return GetDeviceCaps(screen.dc(), LOGPIXELSX);
}

int DpiSource::SystemMetric(int index, int dpi) const {
    if (getSystemMetricsForDpi_) return getSystemMetricsForDpi_(index, static_cast<UINT>(dpi));
    return GetSystemMetrics(index);  // at the system's density, the only one there is
}

}  // namespace velmora::win32
