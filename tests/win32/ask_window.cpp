// Uses the program's window from another process, as a screen reader would:
// waits for it, widens it, presses «Изчисли», asks the working's figure for
// its accessible object (WM_GETOBJECT), then closes the window as a user
// would. Exits 1 where no window came, no figure showed or the window would
// not close.
#include <windows.h>

#include <oleacc.h>

#include <cstdio>

#include "control_ids.h"
#include "dpi.h"

namespace {

HWND Shown(HWND window) {
    return window && IsWindowVisible(window) ? window : nullptr;
}

}  // namespace

int wmain() {
    using namespace velmora::win32;
    HWND window = nullptr;
    for (int attempt = 0; attempt < 150 && !window; ++attempt, Sleep(100)) {
        window = Shown(FindWindowW(L"VelmoraMainWindow", nullptr));
    }
    if (!window) {
        std::printf("no window\n");
        return 1;
    }
    // Wide enough for the working at the window's density (LogPixels, which
    // another test may have left at 192).
    const int dpi = DpiSource::OfThisSystem().WindowDpi(window);
    RECT r;
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left + MulDiv(500, dpi, 96),
                 r.bottom - r.top + MulDiv(100, dpi, 96),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // «Изчисли», as its click tells the window (BM_CLICK needs the window active).
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(kCommand1Id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kCommand1Id)));
    HWND figure = nullptr;
    for (int attempt = 0; attempt < 50 && !figure; ++attempt, Sleep(100)) {
        figure = Shown(GetDlgItem(window, kWorkingFigureId));
    }
    if (figure) {
        std::printf("the figure answered %lld\n",
                    static_cast<long long>(SendMessageW(figure, WM_GETOBJECT, 0, OBJID_CLIENT)));
    } else {
        std::printf("no figure\n");
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
    for (int wait = 0; wait < 50 && IsWindow(window); ++wait) Sleep(100);
    return figure && !IsWindow(window) ? 0 : 1;
}
