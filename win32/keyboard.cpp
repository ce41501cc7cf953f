#include "keyboard.h"

#include "common_controls.h"

namespace velmora::win32 {
namespace {

LRESULT CALLBACK TabThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    LRESULT result = CallDefaultSubclass(control, message, wParam, lParam);
    if (message == WM_GETDLGCODE) {
        const auto* key = reinterpret_cast<const MSG*>(lParam);
        if (key && key->message == WM_KEYDOWN && key->wParam == VK_TAB) {
            result &= ~(DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTMESSAGE);
        }
    }
    return result;
}

bool IsEnter(const MSG* key) {
    return key && ((key->message == WM_KEYDOWN && key->wParam == VK_RETURN) ||
                   (key->message == WM_CHAR && key->wParam == L'\r'));
}

// The dialog manager hands Enter to the focused button, which clicks once
// per press (a held key repeats nothing).
LRESULT CALLBACK ClickOnEnter(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_GETDLGCODE) {
        LRESULT code = CallDefaultSubclass(button, message, wParam, lParam);
        if (IsEnter(reinterpret_cast<const MSG*>(lParam))) code |= DLGC_WANTMESSAGE;
        return code;
    }
    if (message == WM_CHAR && wParam == L'\r') return 0;  // the key itself has clicked
    if (message == WM_KEYDOWN && wParam == VK_RETURN) {
        const bool repeated = lParam & (1 << 30);
        if (!repeated) {
            SendMessageW(GetParent(button), WM_COMMAND,
                         MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        }
        return 0;
    }
    return CallDefaultSubclass(button, message, wParam, lParam);
}

// The text box moves its caret itself; Ctrl+A, which it leaves alone, selects everything.
LRESULT CALLBACK SelectAllOnCtrlA(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                  DWORD_PTR) {
    // Tabbed to, it keeps its caret where it was, rather than select it all.
    if (message == WM_GETDLGCODE) {
        return CallDefaultSubclass(box, message, wParam, lParam) & ~DLGC_HASSETSEL;
    }
    if (message == WM_KEYDOWN && wParam == 'A' && GetKeyState(VK_CONTROL) < 0) {
        SendMessageW(box, EM_SETSEL, 0, -1);
        return 0;
    }
    if (message == WM_CHAR && wParam == 1) return 0;  // Ctrl+A's character: no beep
    return CallDefaultSubclass(box, message, wParam, lParam);
}

}  // namespace

void ReadLikeADocument(HWND readOnlyBox) {
    InstallSubclass(readOnlyBox, SelectAllOnCtrlA, 0, 0);
}

void LetTabThrough(HWND multiLineBox) {
    InstallSubclass(multiLineBox, TabThrough, 0, 0);
}

void PressOnEnter(HWND button) {
    InstallSubclass(button, ClickOnEnter, 0, 0);
}

}  // namespace velmora::win32
