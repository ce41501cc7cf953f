#include "main_window.h"

#include <commctrl.h>

#include <memory>
#include <vector>

#include "command_button.h"
#include "figure_painter.h"
#include "regional_settings.h"
#include "resource_ids.h"
#include "texts.h"
#include "twip_layout.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraMainWindow";
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

constexpr std::array<std::string_view, 2> kCommandCaptions{texts::kCalculate, texts::kClear};

// Side of a check box's square, and the gap to its caption, at 96 DPI.
constexpr int kCheckBoxSize = 13;
constexpr int kCheckBoxGap = 4;

// One child control, as created: its place in the tab order is the order of creation.
struct ControlDefinition {
    int id;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    layout::TwipRect rect;
    bool inFrame;  // rect is relative to Frame1
    std::u16string text;
};

// Every control in tab order. A label of no size right before a control
// without a caption of its own gives it the name that screen readers speak.
std::vector<ControlDefinition> ControlDefinitions() {
    constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
    // Visible, so that every screen reader takes it into account, but of no size.
    constexpr DWORD kNameLabel = WS_CHILD | WS_VISIBLE | SS_NOPREFIX;
    constexpr DWORD kMultiLine =
        WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | ES_NOHIDESEL;
    std::vector<ControlDefinition> definitions;
    int nameLabel = kNameLabelId;
    const auto named = [&](std::string_view name, const layout::TwipRect& rect, bool inFrame) {
        const layout::TwipRect corner{rect.left, rect.top, 0, 0};
        definitions.push_back(
            {nameLabel++, L"STATIC", kNameLabel, 0, corner, inFrame, Utf16(name)});
    };

    named(texts::kExplanationName, layout::kText1[0], false);
    definitions.push_back({kText1Id, L"EDIT", kChild | kMultiLine, WS_EX_CLIENTEDGE,
                           layout::kText1[0], false, Utf16(texts::kExplanation)});
    definitions.push_back({kText1Id + 1, L"EDIT", WS_CHILD | kMultiLine, WS_EX_CLIENTEDGE,
                           layout::kText1[1], false, Utf16(texts::kAphorism)});  // never shown
    definitions.push_back({kLabel1Id, L"STATIC", kChild | SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX,
                           0, layout::kLabel1, false, Utf16(texts::kTitle)});
    definitions.push_back({kPicture1Id, L"STATIC", kChild | SS_OWNERDRAW, 0, layout::kPicture1,
                           false, Utf16(texts::kFigureName)});
    for (int i = 0; i < 2; ++i) {
        definitions.push_back({kCommand1Id + i, L"BUTTON", kChild | WS_TABSTOP | BS_OWNERDRAW, 0,
                               layout::kCommand1[i], false, Utf16(kCommandCaptions[i])});
    }
    named(texts::kPairListName, layout::kList1, false);
    definitions.push_back({kList1Id, L"LISTBOX",
                           kChild | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
                           WS_EX_CLIENTEDGE, layout::kList1, false, Utf16(texts::kPairListName)});
    definitions.push_back({kFrame1Id, L"BUTTON", kChild | BS_GROUPBOX, 0, layout::kFrame1, false,
                           Utf16(texts::kParameters)});

    // Check1(0), Text2(0), Check1(1..4), Text2(1..4).
    const auto check = [&](int k) {
        definitions.push_back({kCheck1Id + k, L"BUTTON", kChild | WS_DISABLED | BS_CHECKBOX, 0,
                               layout::Check1(k), true,
                               Utf16(QuantitySymbol(static_cast<Quantity>(k)))});
    };
    const auto box = [&](int k) {
        named(QuantitySymbol(static_cast<Quantity>(k)), layout::Text2(k), true);
        definitions.push_back({kText2Id + k, L"EDIT", kChild | WS_TABSTOP | ES_AUTOHSCROLL,
                               WS_EX_CLIENTEDGE, layout::Text2(k), true, u""});
    };
    check(0);
    box(0);
    for (int k = 1; k < kQuantityCount; ++k) check(k);
    for (int k = 1; k < kQuantityCount; ++k) box(k);
    return definitions;
}

// Where a control stands, in pixels of the client area at `dpi`.
RECT Place(const ControlDefinition& definition, int dpi) {
    layout::TwipRect twips = definition.rect;
    if (definition.inFrame) {
        twips.left += layout::kFrame1.left;
        twips.top += layout::kFrame1.top;
    }
    const layout::PixelRect r = layout::ToPixels(twips, dpi);
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

Font WindowFont(int dpi) {
    return Font(CreateFontW(-MulDiv(12, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                            RUSSIAN_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                            VARIABLE_PITCH | FF_ROMAN, L"Times New Roman"));
}

// Tab leaves the multi-line text boxes as it leaves every other control;
// they would otherwise keep it, since they want every key.
LRESULT CALLBACK LetTabThrough(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
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

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SystemSettings settings)
    : instance_(instance),
      settings_(settings),
      numberFormat_(ReadRegionalNumberFormat()),
      logic_(*this, [this] { return numberFormat_; }) {
    ApplyColours();
}

MainWindow* MainWindow::Create(HINSTANCE instance, SystemSettings settings) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, kClassName, &windowClass)) {
        windowClass.lpfnWndProc = Procedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.lpszClassName = kClassName;
        // No class icons: the window sets its own, drawn for its density.
        if (!RegisterClassExW(&windowClass)) return nullptr;
    }
    // Ours until the window exists: a creation that fails after WM_NCCREATE
    // destroys the window, and its WM_NCDESTROY must not delete this too.
    std::unique_ptr<MainWindow> self(new MainWindow(instance, settings));
    const std::u16string caption = Utf16(texts::kWindowCaption);
    const HWND window =
        CreateWindowExW(0, kClassName, Wide(caption), kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, self.get());
    if (!window) return nullptr;
    self->ownedByWindow_ = true;
    MainWindow* created = self.release();
    created->CreateControls();
    created->logic_.Load();
    return created;
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(Control(kText1Id));
}

void MainWindow::CreateControls() {
    dpi_ = settings_.dpi.WindowDpi(window_);
    font_ = WindowFont(dpi_);
    LoadIcons();
    // Each control is made at its place, so that the text boxes wrap their
    // text at their real width from the start.
    for (const ControlDefinition& definition : ControlDefinitions()) {
        const RECT r = Place(definition, dpi_);
        const HWND control = CreateWindowExW(
            definition.exStyle, definition.windowClass, nullptr, definition.style, r.left, r.top,
            r.right - r.left, r.bottom - r.top, window_,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(definition.id)), instance_, nullptr);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        SetWindowTextW(control, Wide(definition.text));
    }
    for (int k = 0; k < kQuantityCount; ++k) {
        SendMessageW(Control(kText2Id + k), EM_SETLIMITTEXT, 0, 0);  // no length limit
    }
    for (int i = 0; i < 2; ++i) SetWindowSubclass(Control(kText1Id + i), LetTabThrough, 0, 0);
    for (int i = 0; i < 2; ++i) PressOnEnter(Control(kCommand1Id + i));
    const HWND list = Control(kList1Id);
    for (const PairDefinition& pair : kInputPairs) {
        const std::u16string caption = Utf16(pair.caption);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(caption)));
    }
    FitWindow(nullptr);
}

void MainWindow::ApplyDpi(int dpi, POINT position) {
    dpi_ = dpi;
    Font font = WindowFont(dpi);
    for (const ControlDefinition& definition : ControlDefinitions()) {
        const HWND control = Control(definition.id);
        const RECT r = Place(definition, dpi);
        SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
    }
    font_ = std::move(font);  // the old one only now, when no control uses it
    LoadIcons();
    FitWindow(&position);
    RepaintAll();
}

void MainWindow::RepaintAll() {
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

// The designed client area at the window's density, at `position` or where it is.
void MainWindow::FitWindow(const POINT* position) {
    const SIZE size = WindowSize(dpi_);
    SetWindowPos(window_, nullptr, position ? position->x : 0, position ? position->y : 0, size.cx,
                 size.cy, SWP_NOZORDER | SWP_NOACTIVATE | (position ? 0 : SWP_NOMOVE));
}

// The title bar's and the taskbar's icons, drawn for the window's density.
void MainWindow::LoadIcons() {
    const auto load = [&](int width, int height) {
        return Icon(static_cast<HICON>(LoadImageW(instance_, MAKEINTRESOURCEW(kIconId), IMAGE_ICON,
                                                  settings_.dpi.SystemMetric(width, dpi_),
                                                  settings_.dpi.SystemMetric(height, dpi_), 0)));
    };
    Icon small = load(SM_CXSMICON, SM_CYSMICON);
    Icon big = load(SM_CXICON, SM_CYICON);
    SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    smallIcon_ = std::move(small);  // the old ones only now, when the window has let them go
    bigIcon_ = std::move(big);
}

void MainWindow::ApplyColours() {
    palette_ = Palette::For(settings_.highContrast());
    windowBrush_ = Brush(CreateSolidBrush(palette_.window));
    labelBrush_ = Brush(CreateSolidBrush(palette_.label));
    checkBrush_ = Brush(CreateSolidBrush(palette_.check));
    if (window_) RepaintAll();
}

// The window rectangle whose client area is exactly the designed size.
SIZE MainWindow::WindowSize(int dpi) const {
    const layout::PixelRect client =
        layout::ToPixels({0, 0, layout::kClientWidthTwips, layout::kClientHeightTwips}, dpi);
    const RECT r =
        settings_.dpi.WindowRect({0, 0, client.width, client.height}, kWindowStyle, 0, dpi);
    return {r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK MainWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        if (self->ownedByWindow_) delete self;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND: {
            RECT client;
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, windowBrush_.get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    ColourControl(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY: {
            auto* header = reinterpret_cast<NMHDR*>(lParam);
            if (header->code == NM_CUSTOMDRAW) {
                return CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            }
            break;
        }
        case WM_COMMAND:
            Command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            // Keep the keyboard focus where it was while another window is active.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = GetFocus();
            } else if (focusBeforeDeactivation_ && IsChild(window_, focusBeforeDeactivation_)) {
                SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case kGetDpiScaledSize:
            *reinterpret_cast<SIZE*>(lParam) = WindowSize(static_cast<int>(wParam));
            return TRUE;
        case WM_DPICHANGED: {
            // Where Windows suggests, at the designed size for the new density.
            const auto* suggested = reinterpret_cast<const RECT*>(lParam);
            ApplyDpi(HIWORD(wParam), {suggested->left, suggested->top});
            return 0;
        }
        case WM_SYSCOLORCHANGE:
            // The common controls hear of it only from their parent.
            for (HWND child = GetWindow(window_, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT)) {
                SendMessageW(child, WM_SYSCOLORCHANGE, wParam, lParam);
            }
            ApplyColours();
            return 0;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETHIGHCONTRAST) ApplyColours();
            if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
                numberFormat_ = ReadRegionalNumberFormat();
            }
            break;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

HBRUSH MainWindow::ColourControl(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    const auto paint = [&](COLORREF background, const Brush& brush) {
        SetBkColor(dc, background);
        SetTextColor(dc, palette_.text);
        return brush.get();
    };
    if (id == kLabel1Id) return paint(palette_.label, labelBrush_);
    if (id == kFrame1Id) return paint(palette_.window, windowBrush_);
    if (id >= kCheck1Id && id < kCheck1Id + kQuantityCount)
        return paint(palette_.check, checkBrush_);
    return nullptr;  // the system's colours for the text boxes
}

void MainWindow::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlID == kPicture1Id) {
        PaintFigure(item.hDC, item.rcItem, dpi_, font_.get(), palette_.figure, palette_.figureInk);
    } else if (item.CtlID >= kCommand1Id && item.CtlID < kCommand1Id + 2) {
        PaintCommandButton(item, palette_.commands[item.CtlID - kCommand1Id], dpi_);
    }
}

// The check boxes are disabled, since only the program sets them, but their
// symbols stay in the normal text colour: they label the value boxes.
LRESULT MainWindow::CustomDraw(NMCUSTOMDRAW& draw) {
    const auto id = static_cast<int>(draw.hdr.idFrom);
    if (id < kCheck1Id || id >= kCheck1Id + kQuantityCount) return CDRF_DODEFAULT;
    if (draw.dwDrawStage != CDDS_PREPAINT) return CDRF_DODEFAULT;
    FillRect(draw.hdc, &draw.rc, checkBrush_.get());
    const int side = MulDiv(kCheckBoxSize, dpi_, USER_DEFAULT_SCREEN_DPI);
    const int top = (draw.rc.top + draw.rc.bottom - side) / 2;
    RECT box{draw.rc.left, top, draw.rc.left + side, top + side};
    const bool checked = SendMessageW(draw.hdr.hwndFrom, BM_GETCHECK, 0, 0) == BST_CHECKED;
    DrawFrameControl(draw.hdc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));

    const std::u16string caption = WindowText(draw.hdr.hwndFrom);
    RECT text = draw.rc;
    text.left = box.right + MulDiv(kCheckBoxGap, dpi_, USER_DEFAULT_SCREEN_DPI);
    const Selection font(draw.hdc, font_.get());
    SetBkMode(draw.hdc, TRANSPARENT);
    SetTextColor(draw.hdc, palette_.text);
    DrawTextW(draw.hdc, Wide(caption), static_cast<int>(caption.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    return CDRF_SKIPDEFAULT;
}

void MainWindow::Command(int id, int code) {
    // An owner-drawn button reports the second of two quick clicks as a
    // double click: it is a click all the same.
    const bool clicked = code == BN_CLICKED || code == BN_DOUBLECLICKED;
    if (id >= kCommand1Id && id < kCommand1Id + 2 && clicked) {
        logic_.CommandClicked(id - kCommand1Id);
    } else if (id == kList1Id && code == LBN_SELCHANGE) {
        const InputPair pair = SelectedPair();
        if (pair == shownPair_) return;  // the entry that was already selected
        shownPair_ = pair;
        logic_.PairChanged();
    }
}

std::u16string MainWindow::ValueText(Quantity k) const {
    return WindowText(Control(kText2Id + k));
}

void MainWindow::SetValueText(Quantity k, const std::u16string& text) {
    SetWindowTextW(Control(kText2Id + k), Wide(text));
}

void MainWindow::SetValueReadOnly(Quantity k, bool readOnly) {
    SendMessageW(Control(kText2Id + k), EM_SETREADONLY, readOnly, 0);
}

void MainWindow::SetCheckMark(Quantity k, bool checked) {
    SendMessageW(Control(kCheck1Id + k), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

InputPair MainWindow::SelectedPair() const {
    const LRESULT selected = SendMessageW(Control(kList1Id), LB_GETCURSEL, 0, 0);
    return selected == LB_ERR ? -1 : static_cast<InputPair>(selected);
}

// LB_SETCURSEL announces nothing, so the program's own selection raises the
// pair change here.
void MainWindow::SelectPair(InputPair pair) {
    if (pair == SelectedPair()) return;
    SendMessageW(Control(kList1Id), LB_SETCURSEL, static_cast<WPARAM>(pair), 0);
    shownPair_ = pair;
    logic_.PairChanged();
}

void MainWindow::SetExplanation(const std::u16string& text) {
    SetWindowTextW(Control(kText1Id), Wide(text));
}

}  // namespace velmora::win32
