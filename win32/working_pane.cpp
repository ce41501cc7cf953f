#include "working_pane.h"

#include "accessible_picture.h"
#include "control_ids.h"
#include "figure_painter.h"
#include "gdi.h"
#include "keyboard.h"
#include "movable_figure.h"
#include "texts.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

RECT ToRect(const layout::PixelRect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

void Move(HWND control, const layout::PixelRect& r, bool shown) {
    SetWindowPos(control, nullptr, r.left, r.top, r.width, r.height,
                 SWP_NOZORDER | SWP_NOACTIVATE | (shown ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
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

void WorkingPane::LayOut() {
    RECT client;
    GetClientRect(window_, &client);
    model_.LayOut(client.right, client.bottom, density_.Dpi());
}

void WorkingPane::Create() {
    heading_ =
        Child(window_, instance_, L"STATIC", SS_NOPREFIX, kWorkingHeadingId, density_.Font());
    const std::u16string heading = Utf16(texts::solution::kHeading);
    SetWindowTextW(heading_, Wide(heading));
    text_ = Child(window_, instance_, L"EDIT",
                  WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL,
                  kWorkingTextId, density_.Font());
    LetTabThrough(text_);
    ReadLikeADocument(text_);
    figure_ = Child(window_, instance_, L"STATIC", WS_TABSTOP | SS_OWNERDRAW | SS_NOTIFY,
                    kWorkingFigureId, density_.Font());
    DescribeAsPicture(figure_, &words_);
    MoveByCorners(figure_, drag_);
}

// As the text box wraps them: in its font, beside its scroll bar at the
// window's density (the monitor's, not the system's).
int WorkingPane::LinesHeight(const std::u16string& lines, int width) const {
    const WindowContext context(window_);
    const Selection selected(context.dc(), density_.Font());
    const int scrollBar = density_.Source().SystemMetric(SM_CXVSCROLL, density_.Dpi());
    RECT r{0, 0, width - scrollBar, 0};
    DrawTextW(context.dc(), Wide(lines), static_cast<int>(lines.size()), &r,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    return r.bottom - r.top;
}

int WorkingPane::LineHeight() const {
    const WindowContext context(window_);
    const Selection selected(context.dc(), density_.Font());
    TEXTMETRICW metrics{};
    GetTextMetricsW(context.dc(), &metrics);
    return metrics.tmHeight;
}

// Each step of a drag fills it again: readers are told only what changed.
void WorkingPane::Fill(const std::u16string& lines, const solution::ScaledFigure*) {
    SetWindowTextW(text_, Wide(lines));
    const std::u16string name = model_.Name();
    if (WindowText(figure_) != name) SetWindowTextW(figure_, Wide(name));
    const PictureWords words{model_.Description(), model_.Value()};
    const bool described = words.description != words_.description;
    const bool valued = words.value != words_.value;
    words_ = words;
    if (described)
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, figure_, OBJID_CLIENT, CHILDID_SELF);
    if (valued) NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, figure_, OBJID_CLIENT, CHILDID_SELF);
}

void WorkingPane::Place(const design::WorkingPaneLayout& laid, bool withFigure) {
    Move(heading_, laid.heading, true);
    Move(text_, laid.text, true);
    Move(figure_, laid.figure, withFigure);
    InvalidateRect(figure_, nullptr, TRUE);
}

void WorkingPane::Hide() {
    for (HWND part : {heading_, text_, figure_}) ShowWindow(part, SW_HIDE);
}

bool WorkingPane::HasFocus() const {
    return Holds(GetFocus());
}

bool WorkingPane::FigureHasFocus() const {
    return figure_ && GetFocus() == figure_;
}

void WorkingPane::FocusLines() {
    SetFocus(text_);
}

// As Qt does, rather than let the focus fall to the window, where nothing shows it.
void WorkingPane::FocusNextOutside() {
    SetFocus(GetNextDlgTabItem(window_, text_, FALSE));
}

std::optional<RECT> WorkingPane::Sheet() const {
    if (!model_.Laid()) return std::nullopt;
    return ToRect(model_.Laid()->sheet);
}

// Around the controls, which paint themselves: so that no part of the
// sheet is painted twice while the window is resized.
void WorkingPane::PaintSheet(HDC dc) const {
    const std::optional<design::WorkingPaneLayout>& laid = model_.Laid();
    if (!laid) return;
    const int saved = SaveDC(dc);
    for (HWND part : {heading_, text_, figure_}) {
        RECT r;
        if (!IsWindowVisible(part) || !GetWindowRect(part, &r)) continue;
        MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    const RECT sheet = ToRect(laid->sheet);
    FillRect(dc, &sheet, GetSysColorBrush(COLOR_WINDOW));
    PaintSunkenBorder(dc, sheet,
                      design::kWorkingPane.border * density_.Dpi() / layout::kDefaultDpi);
    if (GetFocus() == text_) PaintFocusFrame(dc, ToRect(laid->focus), laid->focusWidth);
    RestoreDC(dc, saved);
}

void WorkingPane::FocusChanged() const {
    if (!model_.Laid()) return;
    const RECT frame = ToRect(model_.Laid()->focus);
    InvalidateRect(window_, &frame, TRUE);
}

bool WorkingPane::PaintFigure(const DRAWITEMSTRUCT& item) const {
    if (!figure_ || item.hwndItem != figure_) return false;
    const solution::ScaledFigure* figure = model_.Figure();
    const std::optional<solution::FigureFit> fit = model_.Fit();
    if (figure && fit) {
        PaintScaledFigure(item.hDC, item.rcItem, density_.Dpi(), GetSysColor(COLOR_WINDOW),
                          GetSysColor(COLOR_WINDOWTEXT), *figure, *fit);
    }
    if (GetFocus() == figure_) DrawFocusRect(item.hDC, &item.rcItem);
    return true;
}

bool WorkingPane::Holds(HWND control) const {
    return control && (control == heading_ || control == text_ || control == figure_);
}

}  // namespace velmora::win32
