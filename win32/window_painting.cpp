#include "window_painting.h"

#include "control_ids.h"
#include "control_painting.h"
#include "figure_painter.h"

namespace velmora::win32 {
namespace {

bool IsKind(const design::Control* control, design::Kind kind) {
    return control && control->kind == kind;
}

}  // namespace

void WindowPainting::EraseBackground(HWND window, HDC dc) const {
    RECT client;
    GetClientRect(window, &client);
    const int saved = SaveDC(dc);
    if (const std::optional<RECT> sheet = working_ ? working_->Sheet() : std::nullopt) {
        ExcludeClipRect(dc, sheet->left, sheet->top, sheet->right, sheet->bottom);
    }
    FillRect(dc, &client, colours_.WindowBrush());
    RestoreDC(dc, saved);
    if (working_) working_->PaintSheet(dc);
}

HBRUSH WindowPainting::ColourStatic(HDC dc, HWND control) const {
    if (working_ && working_->Holds(control)) {  // the system's window colours
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    const design::Control* designed = DesignedControl(GetDlgCtrlID(control));
    if (!designed || !colours_.BackgroundBrush(*designed)) return nullptr;
    SetBkColor(dc, colours_.Background(*designed));
    SetTextColor(dc, colours_.Text());
    return colours_.BackgroundBrush(*designed);
}

void WindowPainting::DrawItem(const DRAWITEMSTRUCT& item) const {
    if (working_ && working_->PaintFigure(item)) return;
    const design::Control* designed = DesignedControl(static_cast<int>(item.CtlID));
    if (IsKind(designed, design::Kind::Picture)) {
        PaintFigure(item.hDC, item.rcItem, density_.Dpi(), density_.Font(), colours_.Paper(),
                    colours_.Ink());
    } else if (IsKind(designed, design::Kind::Button)) {
        PaintCommandButton(item, colours_.Background(*designed), density_.Dpi());
    }
}

LRESULT WindowPainting::CustomDraw(NMCUSTOMDRAW& draw) const {
    const design::Control* designed = DesignedControl(static_cast<int>(draw.hdr.idFrom));
    if (!IsKind(designed, design::Kind::CheckBox)) return CDRF_DODEFAULT;
    return PaintCheckBox(draw, colours_.BackgroundBrush(*designed), colours_.Text(),
                         density_.Font(), density_.Dpi());
}

}  // namespace velmora::win32
