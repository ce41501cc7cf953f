#include "working_pane.h"

#include <array>

#include "accessible_picture.h"
#include "control_ids.h"
#include "figure_painter.h"
#include "gdi.h"
#include "keyboard.h"
#include "texts.h"
#include "utf16.h"
#include "window_text.h"
#include "working_text.h"

namespace velmora::win32 {
namespace {

RECT ToRect(const layout::PixelRect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

void Place(HWND control, const layout::PixelRect& r, bool shown) {
    SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

// How high the lines are in `font` at `width`, as the text box wraps them,
// and one line more, so that the last never needs the scroll bar.
int LinesHeight(HWND window, HFONT font, const std::u16string& lines, int width) {
    const WindowContext context(window);
    const Selection selected(context.dc(), font);
    RECT r{0, 0, width - GetSystemMetrics(SM_CXVSCROLL), 0};
    DrawTextW(context.dc(), Wide(lines), static_cast<int>(lines.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.dc(), &metrics);
    return r.bottom - r.top + metrics.tmHeight;
}

HWND Child(HWND window, HINSTANCE instance, const wchar_t* windowClass, DWORD style, int id,
           HFONT font) {
    const HWND control =
        CreateWindowExW(0, windowClass, nullptr, WS_CHILD | style, 0, 0, 0, 0, window,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}  // namespace

void WorkingPane::Show(std::optional<solution::Solution> solution, int dpi, HFONT font) {
    solution_ = std::move(solution);
    lines_ = solution::WorkingText(solution_, u"\r\n");
    if (!text_) return;  // written once there is room for it
    Fill();
    LayOut(dpi, font);  // the figure follows the lines
}

void WorkingPane::LayOut(int dpi, HFONT font) {
    RECT client;
    GetClientRect(window_, &client);
    const solution::ScaledFigure* figure =
        solution_ && solution_->figure ? &*solution_->figure : nullptr;
    laid_ = design::WorkingPaneIn(
        client.right, client.bottom, dpi, figure ? figure->height / figure->width : 0.0,
        [&](int width) { return LinesHeight(window_, font, lines_, width); });
    if (!laid_) {
        for (HWND part : {heading_, text_, figure_}) {
            if (part) ShowWindow(part, SW_HIDE);
        }
        return;
    }
    if (!text_) Create(font);
    for (HWND part : {heading_, text_, figure_}) {
        SendMessageW(part, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    Place(heading_, laid_->heading, true);
    Place(text_, laid_->text, true);
    Place(figure_, laid_->figure, figure != nullptr);
    InvalidateRect(figure_, nullptr, TRUE);
}

// After the window's other controls, so after them in the tab order too.
void WorkingPane::Create(HFONT font) {
    heading_ = Child(window_, instance_, L"STATIC", SS_NOPREFIX, kWorkingHeadingId, font);
    const std::u16string heading = Utf16(texts::solution::kHeading);
    SetWindowTextW(heading_, Wide(heading));
    text_ = Child(window_, instance_, L"EDIT",
                  WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                  kWorkingTextId, font);
    LetTabThrough(text_);
    ScrollLikeADocument(text_);
    figure_ = Child(window_, instance_, L"STATIC", SS_OWNERDRAW, kWorkingFigureId, font);
    DescribeAsPicture(figure_, &description_);
    Fill();
}

void WorkingPane::Fill() {
    SetWindowTextW(text_, Wide(lines_));
    const std::optional<solution::ScaledFigure>& figure =
        solution_ ? solution_->figure : std::nullopt;
    SetWindowTextW(figure_, figure ? Wide(figure->title) : L"");
    description_ = figure ? figure->description : std::u16string();
}

void WorkingPane::PaintSheet(HDC dc, int dpi) const {
    if (!laid_ || !IsWindowVisible(text_)) return;
    const RECT sheet = ToRect(laid_->sheet);
    FillRect(dc, &sheet, GetSysColorBrush(COLOR_WINDOW));
    PaintSunkenBorder(dc, sheet, design::kWorkingPane.border * dpi / layout::kDefaultDpi);
}

bool WorkingPane::PaintFigure(const DRAWITEMSTRUCT& item, int dpi) const {
    if (item.hwndItem != figure_ || !figure_) return false;
    if (solution_ && solution_->figure) {
        PaintScaledFigure(item.hDC, item.rcItem, dpi, GetSysColor(COLOR_WINDOW),
                          GetSysColor(COLOR_WINDOWTEXT), *solution_->figure);
    }
    return true;
}

bool WorkingPane::Holds(HWND control) const {
    return control && (control == heading_ || control == text_ || control == figure_);
}

}  // namespace velmora::win32
