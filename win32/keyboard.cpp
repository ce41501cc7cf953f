#include "keyboard.h"

#include <commctrl.h>

namespace velmora::win32 {
namespace {

LRESULT CALLBACK TabThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR) {
    LRESULT result = DefSubclassProc(control, message, wParam, lParam);
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
        LRESULT code = DefSubclassProc(button, message, wParam, lParam);
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
    return DefSubclassProc(button, message, wParam, lParam);
}

// The scroll bar's command for a key that scrolls a document, or -1.
int ScrollCommand(WPARAM key) {
    switch (key) {
        case VK_UP:
            return SB_LINEUP;
        case VK_DOWN:
            return SB_LINEDOWN;
        case VK_PRIOR:
            return SB_PAGEUP;
        case VK_NEXT:
            return SB_PAGEDOWN;
        case VK_HOME:
            return SB_TOP;
        case VK_END:
            return SB_BOTTOM;
        default:
            return -1;
    }
}

LRESULT CALLBACK ScrollOnKeys(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR) {
    if (message == WM_KEYDOWN) {
        const bool shift = GetKeyState(VK_SHIFT) < 0;
        const bool control = GetKeyState(VK_CONTROL) < 0;
        if (control && wParam == 'A') {
            SendMessageW(box, EM_SETSEL, 0, -1);
            return 0;
        }
        if (const int command = ScrollCommand(wParam); command >= 0 && !shift) {
            SendMessageW(box, WM_VSCROLL, MAKEWPARAM(command, 0), 0);
            return 0;
        }
    }
    if (message == WM_CHAR && wParam == 1) return 0;  // Ctrl+A's character: no beep
    return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

void ScrollLikeADocument(HWND readOnlyBox) {
    SetWindowSubclass(readOnlyBox, ScrollOnKeys, 0, 0);
}

void LetTabThrough(HWND multiLineBox) {
    SetWindowSubclass(multiLineBox, TabThrough, 0, 0);
}

void PressOnEnter(HWND button) {
    SetWindowSubclass(button, ClickOnEnter, 0, 0);
}

}  // namespace velmora::win32
