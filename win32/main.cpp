// The Windows program: the main window and its message loop.
#include <windows.h>

#include <commctrl.h>

#include "main_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    const auto window = velmora::win32::MainWindow::Create(instance);
    if (!window) return 1;
    window->Show(showCommand);
    MSG message{};
    BOOL got;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        // Tab and Shift+Tab move through the controls as in a dialog.
        if (window->handle() && IsDialogMessageW(window->handle(), &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    if (got < 0) return 1;  // the queue failed: no WM_QUIT came
    return static_cast<int>(message.wParam);
}
