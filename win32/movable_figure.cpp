#include "movable_figure.h"

#include <windowsx.h>

#include <utility>

#include "common_controls.h"

namespace velmora::win32 {
namespace {

figure::Point PointOf(LPARAM lParam) {
    return {static_cast<double>(GET_X_LPARAM(lParam)), static_cast<double>(GET_Y_LPARAM(lParam))};
}

bool Held(int key) {
    return GetKeyState(key) < 0;
}

// ← → the base a, ↓ ↑ the base c, Home and End the least and the most.
bool TakeKey(solution::FigureDragInput& drag, WPARAM key) {
    using solution::FigureKey;
    static constexpr std::pair<WPARAM, FigureKey> kKeys[] = {
        {VK_LEFT, FigureKey::kLeft},    {VK_RIGHT, FigureKey::kRight}, {VK_DOWN, FigureKey::kDown},
        {VK_UP, FigureKey::kUp},        {VK_HOME, FigureKey::kHome},   {VK_END, FigureKey::kEnd},
        {VK_ESCAPE, FigureKey::kEscape}};
    if (Held(VK_MENU)) return false;
    for (const auto& [virtualKey, figureKey] : kKeys) {
        if (key == virtualKey) return drag.Key(figureKey, Held(VK_SHIFT), Held(VK_CONTROL));
    }
    return false;
}

LRESULT CALLBACK MoveFigure(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
    solution::FigureDragInput& drag = *reinterpret_cast<solution::FigureDragInput*>(data);
    const solution::WorkingPaneModel& pane = drag.Pane();
    switch (message) {
        case WM_GETDLGCODE: {
            // The arrows, not the dialog's moves between controls; Escape
            // only while a drag can be undone.
            const auto* key = reinterpret_cast<const MSG*>(lParam);
            const bool escape = key && key->message == WM_KEYDOWN && key->wParam == VK_ESCAPE;
            return DLGC_WANTARROWS | (escape && pane.Dragging() ? DLGC_WANTMESSAGE : 0);
        }
        case WM_KEYDOWN:
            if (TakeKey(drag, wParam)) return 0;
            break;
        case WM_LBUTTONDOWN:
            if (drag.Press(PointOf(lParam))) {
                SetFocus(control);
                SetCapture(control);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (pane.DraggingByPointer()) drag.MoveTo(PointOf(lParam).x);
            return 0;
        case WM_LBUTTONUP:
            drag.Release(PointOf(lParam).x);
            if (GetCapture() == control) ReleaseCapture();
            return 0;
        case WM_CAPTURECHANGED:
            drag.CaptureLost();
            return 0;
        case WM_SETCURSOR: {
            POINT at{};
            GetCursorPos(&at);
            ScreenToClient(control, &at);
            if (LOWORD(lParam) == HTCLIENT &&
                pane.HandleUnder({static_cast<double>(at.x), static_cast<double>(at.y)})) {
                SetCursor(LoadCursorW(nullptr, IDC_SIZEWE));
                return TRUE;
            }
            break;
        }
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            if (message == WM_KILLFOCUS) drag.FocusLost();
            InvalidateRect(control, nullptr, FALSE);  // its focus frame
            break;
        default:
            break;
    }
    return CallDefaultSubclass(control, message, wParam, lParam);
}

}  // namespace

void MoveByCorners(HWND control, solution::FigureDragInput& drag) {
    InstallSubclass(control, MoveFigure, 1, reinterpret_cast<DWORD_PTR>(&drag));
}

}  // namespace velmora::win32
