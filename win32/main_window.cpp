#include "main_window.h"

#include <string_view>

#include "control_creation.h"
#include "control_painting.h"
#include "figure_painter.h"
#include "regional_settings.h"
#include "utf16.h"
#include "window_text.h"

namespace velmora::win32 {
namespace {

constexpr wchar_t kClassName[] = L"VelmoraMainWindow";

bool RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (GetClassInfoExW(instance, kClassName, &windowClass)) return true;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    // No class icons: the window sets its own, drawn for its density.
    return RegisterClassExW(&windowClass) != 0;
}

bool IsKind(const design::Control* control, design::Kind kind) {
    return control && control->kind == kind;
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SystemSettings settings)
    : instance_(instance),
      settings_(std::move(settings)),
      density_(instance, settings_.dpi),
      colours_(settings_.highContrast()),
      numberFormat_(ReadRegionalNumberFormat()),
      logic_(*this, [this] { return numberFormat_; }) {}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, SystemSettings settings) {
    if (!RegisterWindowClass(instance, Procedure)) return nullptr;
    std::unique_ptr<MainWindow> self(new MainWindow(instance, std::move(settings)));
    const std::u16string caption = Utf16(design::kWindow.caption);
    CreateWindowExW(0, kClassName, Wide(caption), kMainWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, self.get());
    if (!self->window_) return nullptr;
    self->density_.Begin(self->window_);
    CreateControls(self->window_, instance, self->density_.Dpi(), self->density_.Font());
    self->working_.emplace(self->window_, instance);
    self->logic_.Load();
    self->RestorePlacement();
    return self;
}

// Where the user left the window, as large as it was, before it is shown.
void MainWindow::RestorePlacement() {
    const std::optional<Placement> saved = ReadPlacement(settings_.settingsKey, density_.Dpi());
    if (!saved) return;
    const RECT frame = density_.Frame(density_.Dpi());
    const RECT& c = saved->client;
    clientTwips_ = {MulDiv(c.right - c.left, layout::kTwipsPerInch, density_.Dpi()),
                    MulDiv(c.bottom - c.top, layout::kTwipsPerInch, density_.Dpi())};
    SetWindowPos(window_, nullptr, c.left + frame.left, c.top + frame.top,
                 c.right - c.left + frame.right - frame.left,
                 c.bottom - c.top + frame.bottom - frame.top, SWP_NOZORDER | SWP_NOACTIVATE);
    opensMaximised_ = saved->maximised;
}

void MainWindow::SavePlace() const {
    SavePlacement(settings_.settingsKey, window_, clientTwips_, density_.Frame(density_.Dpi()));
}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

void MainWindow::Show(int showCommand) {
    // Maximised as it was left, unless the program was asked to start otherwise.
    if (opensMaximised_ && (showCommand == SW_SHOWNORMAL || showCommand == SW_SHOWDEFAULT)) {
        showCommand = SW_SHOWMAXIMIZED;
    }
    ShowWindow(window_, showCommand);
    UpdateWindow(window_);
    SetFocus(GetNextDlgTabItem(window_, nullptr, FALSE));
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
    if (message == WM_NCDESTROY) {  // the window is gone; its object stays its owner's
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_ = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Handle(message, wParam, lParam);
}

LRESULT MainWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return OnEraseBackground(reinterpret_cast<HDC>(wParam));
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush =
                    OnColourStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
                return OnCustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            }
            break;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) return 0;
            break;
        case kGetDpiScaledSize:
            *reinterpret_cast<SIZE*>(lParam) =
                density_.WindowSize(static_cast<int>(wParam), clientTwips_);
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETMINMAXINFO: {  // no smaller than designed
            const SIZE least = density_.WindowSize(density_.Dpi());
            reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {least.cx, least.cy};
            return 0;
        }
        case WM_SIZE:
            OnSize(static_cast<int>(wParam));
            return 0;
        case WM_ENDSESSION:  // Windows ends the session, and the program with it
            if (wParam) SavePlace();
            return 0;
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged(wParam, lParam);
            return 0;
        case WM_SETTINGCHANGE:
            OnSettingChanged(wParam, lParam);
            break;
        case WM_DESTROY:
            SavePlace();
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT MainWindow::OnEraseBackground(HDC dc) {
    RECT client;
    GetClientRect(window_, &client);
    FillRect(dc, &client, colours_.WindowBrush());
    if (working_) working_->PaintSheet(dc, density_.Dpi());
    return 1;
}

HBRUSH MainWindow::OnColourStatic(HDC dc, HWND control) {
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

LRESULT MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (working_ && working_->PaintFigure(item, density_.Dpi())) return TRUE;
    const design::Control* designed = DesignedControl(static_cast<int>(item.CtlID));
    if (IsKind(designed, design::Kind::Picture)) {
        PaintFigure(item.hDC, item.rcItem, density_.Dpi(), density_.Font(), colours_.Paper(),
                    colours_.Ink());
    } else if (IsKind(designed, design::Kind::Button)) {
        PaintCommandButton(item, colours_.Background(*designed), density_.Dpi());
    }
    return TRUE;
}

LRESULT MainWindow::OnCustomDraw(NMCUSTOMDRAW& draw) {
    const design::Control* designed = DesignedControl(static_cast<int>(draw.hdr.idFrom));
    if (!IsKind(designed, design::Kind::CheckBox)) return CDRF_DODEFAULT;
    return PaintCheckBox(draw, colours_.BackgroundBrush(*designed), colours_.Text(),
                         density_.Font(), density_.Dpi());
}

void MainWindow::OnCommand(int id, int code) {
    const design::Control* designed = DesignedControl(id);
    // An owner-drawn button reports the second of two quick clicks as a
    // double click: it is a click all the same.
    if (IsKind(designed, design::Kind::Button) &&
        (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        logic_.CommandClicked(designed->index);
    } else if (IsKind(designed, design::Kind::List) && code == LBN_SELCHANGE) {
        const InputPair pair = SelectedPair();
        if (pair == shownPair_) return;  // the entry that was already selected
        shownPair_ = pair;
        logic_.PairChanged();
    }
}

// Keeps the keyboard focus where it was while another window is active.
bool MainWindow::OnActivate(bool active) {
    if (!active) {
        focusBeforeDeactivation_ = GetFocus();
        return false;
    }
    if (!focusBeforeDeactivation_ || !IsChild(window_, focusBeforeDeactivation_)) return false;
    SetFocus(focusBeforeDeactivation_);
    return true;
}

// Where Windows suggests, with the client area as large as before in twips
// (so at the designed size, the designed size for the new density); a
// maximised window takes the suggested rectangle.
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    density_.Change(window_, dpi);
    SIZE size{suggested.right - suggested.left, suggested.bottom - suggested.top};
    if (!IsZoomed(window_)) size = density_.WindowSize(dpi, clientTwips_);
    // The size in twips stays as it was, whatever frame the system gives it.
    const SIZE kept = clientTwips_;
    SetWindowPos(window_, nullptr, suggested.left, suggested.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    clientTwips_ = kept;
    if (working_) working_->LayOut(dpi, density_.Font());
    RepaintAll();
}

// A size the user chose is kept in twips (the designed size exactly, where it
// is that); the working shows, or not, in the room there is.
void MainWindow::OnSize(int kind) {
    if (!working_ || kind == SIZE_MINIMIZED) return;  // not yet made, or out of sight
    RECT client;
    GetClientRect(window_, &client);
    const int dpi = density_.Dpi();
    const auto twips = [dpi](int pixels, int kept, int designed) {
        if (layout::ToPixels(kept, dpi) == pixels) return kept;
        if (layout::ToPixels(designed, dpi) == pixels) return designed;
        return MulDiv(pixels, layout::kTwipsPerInch, dpi);
    };
    if (kind == SIZE_RESTORED) {
        clientTwips_ = {twips(client.right, clientTwips_.cx, kDesignedClientTwips.cx),
                        twips(client.bottom, clientTwips_.cy, kDesignedClientTwips.cy)};
    }
    working_->LayOut(dpi, density_.Font());
    // The sheet and the room right of the controls, painted anew.
    RECT room = client;
    room.left = layout::ToPixels(design::kWindow.widthTwips, dpi);
    InvalidateRect(window_, &room, TRUE);
}

void MainWindow::OnSystemColoursChanged(WPARAM wParam, LPARAM lParam) {
    // The common controls hear of it only from their parent.
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, WM_SYSCOLORCHANGE, wParam, lParam);
    }
    ApplyColours();
}

void MainWindow::OnSettingChanged(WPARAM wParam, LPARAM lParam) {
    if (wParam == SPI_SETHIGHCONTRAST) ApplyColours();
    if (lParam && std::wstring_view(reinterpret_cast<const wchar_t*>(lParam)) == L"intl") {
        numberFormat_ = ReadRegionalNumberFormat();
    }
}

void MainWindow::ApplyColours() {
    colours_ = Colours(settings_.highContrast());
    RepaintAll();
}

void MainWindow::RepaintAll() {
    RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
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

void MainWindow::ShowWorking(const Calculation& calculation) {
    working_->Show(solution::SolutionOf(calculation), density_.Dpi(), density_.Font());
}

void MainWindow::ClearWorking() {
    working_->Show(std::nullopt, density_.Dpi(), density_.Font());
}

}  // namespace velmora::win32
