// The Windows program: the main window and its message loop.
#include <windows.h>

#include <objbase.h>

#include "common_controls.h"
#include "main_window.h"
#include "system_library.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // Before anything loads a DLL by name: none from the program's folder.
    velmora::win32::SearchOnlyTheSystemFolder();
    // The figure's accessible object reaches screen readers through COM,
    // apartment-threaded, as windows need.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int status = 1;
    if (!velmora::win32::InitCommonControls()) return status;
    if (const auto window = velmora::win32::MainWindow::Create(instance)) {
        window->Show(showCommand);
        MSG message{};
        BOOL got;
        while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
            // Tab and Shift+Tab move through the controls as in a dialog.
            if (window->handle() && IsDialogMessageW(window->handle(), &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        // The queue failed where no WM_QUIT came.
        status = got < 0 ? 1 : static_cast<int>(message.wParam);
    }
    if (SUCCEEDED(com)) CoUninitialize();
    return status;
}
