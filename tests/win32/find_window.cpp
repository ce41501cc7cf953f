// Waits for the program's main window, prints its caption in UTF-8, and closes
// it as a user would; exits 1 when no window came or it would not close.
#include <windows.h>

#include <cstdio>
#include <string>

int wmain() {
    for (int attempt = 0; attempt < 150; ++attempt, Sleep(100)) {
        const HWND window = FindWindowW(L"VelmoraMainWindow", nullptr);
        if (!window || !IsWindowVisible(window)) continue;
        wchar_t caption[256] = {};
        GetWindowTextW(window, caption, 256);
        char utf8[1024] = {};
        WideCharToMultiByte(CP_UTF8, 0, caption, -1, utf8, sizeof utf8, nullptr, nullptr);
        std::printf("window: %s\n", utf8);
        PostMessageW(window, WM_CLOSE, 0, 0);
        for (int wait = 0; wait < 50 && IsWindow(window); ++wait) Sleep(100);
        return IsWindow(window) ? 1 : 0;
    }
    std::printf("no window\n");
    return 1;
}
