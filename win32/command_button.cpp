#include "command_button.h"

#include <commctrl.h>

#include <string>

#include "gdi.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

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

}  // namespace

void PaintCommandButton(const DRAWITEMSTRUCT& item, COLORREF face, int dpi) {
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT r = item.rcItem;
    const Brush fill(CreateSolidBrush(face));
    FillRect(item.hDC, &r, fill.get());
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    const std::u16string caption = WindowText(item.hwndItem);
    RECT text = r;
    if (pressed) OffsetRect(&text, 1, 1);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(item.hDC, Wide(caption), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        const int inset = MulDiv(4, dpi, USER_DEFAULT_SCREEN_DPI);
        InflateRect(&r, -inset, -inset);
        DrawFocusRect(item.hDC, &r);
    }
}

void PressOnEnter(HWND button) {
    SetWindowSubclass(button, ClickOnEnter, 0, 0);
}

}  // namespace velmora::win32
