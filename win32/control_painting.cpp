#include "control_painting.h"

#include <string>

#include "gdi.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

// Side of a check box's square, and the gap to its caption, at 96 DPI.
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxGap = 4;
// The focus rectangle's inset from a button's edge, at 96 DPI.
constexpr int kFocusInset = 4;

int Scaled(int pixels, int dpi) {
    return MulDiv(pixels, dpi, USER_DEFAULT_SCREEN_DPI);
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
        const int inset = Scaled(kFocusInset, dpi);
        InflateRect(&r, -inset, -inset);
        DrawFocusRect(item.hDC, &r);
    }
}

LRESULT PaintCheckBox(const NMCUSTOMDRAW& draw, HBRUSH background, COLORREF text, HFONT font,
                      int dpi) {
    if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
    FillRect(draw.hdc, &draw.rc, background);
    const int side = Scaled(kCheckBoxSize, dpi);
    const int top = (draw.rc.top + draw.rc.bottom - side) / 2;
    RECT box{draw.rc.left, top, draw.rc.left + side, top + side};
    const bool checked = SendMessageW(draw.hdr.hwndFrom, BM_GETCHECK, 0, 0) == BST_CHECKED;
    DrawFrameControl(draw.hdc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));

    const std::u16string caption = WindowText(draw.hdr.hwndFrom);
    RECT place = draw.rc;
    place.left = box.right + Scaled(kCheckBoxGap, dpi);
    const Selection selected(draw.hdc, font);
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, text);
    DrawTextW(draw.hdc, Wide(caption), static_cast<int>(caption.size()), &place,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

}  // namespace velmora::win32
