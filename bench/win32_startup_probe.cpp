// Started by bench/win32_startup.py under Wine: shows the real main window, or
// an empty window of the same size built the same way, and prints the time
// from the process's creation to its first painted frame.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <memory>

#include "common_controls.h"
#include "design.h"
#include "dpi.h"
#include "main_window.h"

namespace {

// Microseconds since Windows created this process; the precise clock of
// Windows 8 and later where there is one.
double MicrosecondsSinceCreation() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    using Clock = void(WINAPI*)(FILETIME*);
    const auto precise = reinterpret_cast<Clock>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    (precise ? precise : GetSystemTimeAsFileTime)(&now);
    const auto ticks = [](FILETIME t) {
        return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10.0;  // 100 ns ticks
}

// Handles messages until nothing is left to paint: the first frame is on screen.
void PaintFirstFrame() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

HWND EmptyWindow(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = L"EmptyWindow";
    RegisterClassExW(&windowClass);
    constexpr DWORD style = velmora::win32::kMainWindowStyle;
    const HWND window =
        CreateWindowExW(0, L"EmptyWindow", L"Empty", style, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr);
    const auto dpiSource = velmora::win32::DpiSource::OfThisSystem();
    const int dpi = dpiSource.WindowDpi(window);
    const RECT r = dpiSource.WindowRect(
        {0, 0, velmora::layout::ToPixels(velmora::design::kWindow.widthTwips, dpi),
         velmora::layout::ToPixels(velmora::design::kWindow.heightTwips, dpi)},
        style, 0, dpi);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
    const bool empty = argc > 1 && std::wcscmp(argv[1], L"empty") == 0;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    velmora::win32::InitCommonControls();  // as the program does
    HWND window = nullptr;
    std::unique_ptr<velmora::win32::MainWindow> main;
    if (empty) {
        window = EmptyWindow(instance);
    } else if ((main = velmora::win32::MainWindow::Create(instance))) {
        main->Show(SW_SHOWNORMAL);
        window = main->handle();
    }
    if (!window) return 1;
    PaintFirstFrame();
    std::printf("first_frame_us=%.0f\n", MicrosecondsSinceCreation());
    DestroyWindow(window);
    return 0;
}
