#include "control_creation.h"

#include <string>
#include <vector>

#include "control_ids.h"
#include "keyboard.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

using design::Kind;

// One child window as created.
struct ChildWindow {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    layout::TwipRect rect;  // in the client area
    std::string_view text;
};

ChildWindow ChildOf(const design::Control& control) {
    const DWORD readOnly = control.readOnly ? ES_READONLY : 0;
    ChildWindow child{ControlId(control), L"STATIC", WS_CHILD, 0, design::InClientArea(control),
                      control.text};
    if (control.visible) child.style |= WS_VISIBLE;
    if (design::TakesFocus(control)) child.style |= WS_TABSTOP;
    switch (control.kind) {
        case Kind::Label:
            child.style |= SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX;
            break;
        case Kind::List:
            child.windowClass = L"LISTBOX";
            child.style |= WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
            child.exStyle = WS_EX_CLIENTEDGE;
            child.text = control.accessibleName;
            break;
        case Kind::Frame:
            child.windowClass = L"BUTTON";
            child.style |= BS_GROUPBOX;
            break;
        case Kind::Picture:  // drawn by the window; its text is its name
            child.style |= SS_OWNERDRAW;
            child.text = control.accessibleName;
            break;
        case Kind::Button:  // drawn by the window, in its own colour
            child.windowClass = L"BUTTON";
            child.style |= BS_OWNERDRAW;
            break;
        case Kind::CheckBox:  // read-only: only the program sets the mark
            child.windowClass = L"BUTTON";
            child.style |= BS_CHECKBOX | (control.readOnly ? WS_DISABLED : 0);
            break;
        case Kind::ValueBox:
            child.windowClass = L"EDIT";
            child.style |= ES_AUTOHSCROLL | readOnly;
            child.exStyle = WS_EX_CLIENTEDGE;
            break;
        case Kind::MultiLineBox:
            child.windowClass = L"EDIT";
            child.style |= WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_NOHIDESEL | readOnly;
            child.exStyle = WS_EX_CLIENTEDGE;
            break;
    }
    return child;
}

// Whether screen readers take the control's name from a label before it:
// text boxes and lists show no caption of their own.
bool NeedsNameLabel(const design::Control& control) {
    return !control.accessibleName.empty() &&
           (control.kind == Kind::ValueBox || control.kind == Kind::MultiLineBox ||
            control.kind == Kind::List);
}

// Every child window in tab order: the table's controls, each with a label
// right before it where it needs one. The labels are visible, so that every
// screen reader takes them into account, but of no size.
std::vector<ChildWindow> ChildWindows() {
    std::vector<ChildWindow> children;
    int nameLabel = kNameLabelId;
    for (const design::Control& control : design::kControls) {
        const ChildWindow child = ChildOf(control);
        if (NeedsNameLabel(control)) {
            children.push_back({nameLabel++,
                                L"STATIC",
                                WS_CHILD | WS_VISIBLE | SS_NOPREFIX,
                                0,
                                {child.rect.left, child.rect.top, 0, 0},
                                control.accessibleName});
        }
        children.push_back(child);
    }
    return children;
}

RECT Place(const ChildWindow& child, int dpi) {
    const layout::PixelRect r = layout::ToPixels(child.rect, dpi);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

// What a control of the kind needs beyond its window: no length limit for the
// value boxes, the keyboard of a dialog, the pairs in the list.
void Complete(HWND window, const design::Control& control) {
    switch (control.kind) {
        case Kind::ValueBox:
            SendMessageW(window, EM_SETLIMITTEXT, 0, 0);
            break;
        case Kind::MultiLineBox:
            LetTabThrough(window);
            break;
        case Kind::Button:
            PressOnEnter(window);
            break;
        case Kind::List:
            for (const PairDefinition& pair : kInputPairs) {
                const std::u16string caption = Utf16(pair.caption);
                SendMessageW(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(caption)));
            }
            break;
        default:
            break;
    }
}

}  // namespace

void CreateControls(HWND window, HINSTANCE instance, int dpi, HFONT font) {
    for (const ChildWindow& child : ChildWindows()) {
        const RECT r = Place(child, dpi);
        const HWND control = CreateWindowExW(
            child.exStyle, child.windowClass, nullptr, child.style, r.left, r.top, r.right - r.left,
            r.bottom - r.top, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(child.id)),
            instance, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        const std::u16string text = Utf16(child.text);
        SetWindowTextW(control, Wide(text));
        if (const design::Control* designed = DesignedControl(child.id)) {
            Complete(control, *designed);
        }
    }
}

void PlaceControls(HWND window, int dpi) {
    for (const ChildWindow& child : ChildWindows()) {
        const HWND control = GetDlgItem(window, child.id);
        const RECT r = Place(child, dpi);
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace velmora::win32
