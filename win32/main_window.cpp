#include "main_window.h"

#include <string_view>

#include "control_creation.h"
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

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, SystemSettings settings)
    : instance_(instance),
      settings_(std::move(settings)),
      density_(instance, settings_.dpi),
      colours_(settings_.highContrast()),
      place_(settings_.settingsKey, density_),
      numberFormat_(ReadRegionalNumberFormat()),
      logic_(*this, [this] { return numberFormat_; }) {}

std::unique_ptr<MainWindow> MainWindow::Create(HINSTANCE instance, SystemSettings settings) {
    if (!RegisterWindowClass(instance, Procedure)) return nullptr;
    std::unique_ptr<MainWindow> self(new MainWindow(instance, std::move(settings)));
    const std::u16string caption = Utf16(design::kWindow.caption);
    // On the screen where it was left, so that it takes that screen's density from the start.
    const CreationPlace at = self->place_.Created();
    CreateWindowExW(0, kClassName, Wide(caption), kMainWindowStyle, at.left, at.top, at.width,
                    at.height, nullptr, nullptr, instance, self.get());
    if (!self->window_) return nullptr;
    self->density_.Begin(self->window_);
    CreateControls(self->window_, instance, self->density_.Dpi(), self->density_.Font());
    self->working_.emplace(self->window_, instance, self->density_, self->logic_);
    self->logic_.Load();
    self->place_.Restore(self->window_);
    return self;
}

MainWindow::~MainWindow() {
    if (window_) DestroyWindow(window_);
}

void MainWindow::Show(int showCommand) {
    ShowWindow(window_, place_.ShowCommand(showCommand));
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
    return self->HandleMessage(message, wParam, lParam);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            painting_.EraseBackground(window_, reinterpret_cast<HDC>(wParam));
            return 1;
        case WM_CTLCOLORSTATIC:
            if (HBRUSH brush = painting_.ColourStatic(reinterpret_cast<HDC>(wParam),
                                                      reinterpret_cast<HWND>(lParam))) {
                return reinterpret_cast<LRESULT>(brush);
            }
            break;
        case WM_DRAWITEM:
            painting_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_NOTIFY:
            if (reinterpret_cast<NMHDR*>(lParam)->code == NM_CUSTOMDRAW) {
                return painting_.CustomDraw(*reinterpret_cast<NMCUSTOMDRAW*>(lParam));
            }
            break;
        case WM_COMMAND:
            OnCommand(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_ACTIVATE:
            if (OnActivate(LOWORD(wParam) != WA_INACTIVE)) return 0;
            break;
        case kGetDpiScaledSize:
            *reinterpret_cast<SIZE*>(lParam) =
                density_.WindowSize(static_cast<int>(wParam), place_.ClientTwips());
            return TRUE;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_GETMINMAXINFO:
            OnMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lParam));
            return 0;
        case WM_SIZE:
            OnSize(static_cast<int>(wParam));
            return 0;
        case WM_ENDSESSION:  // Windows ends the session, and the program with it
            if (wParam) place_.Save(window_);
            return 0;
        case WM_SYSCOLORCHANGE:
            OnSystemColoursChanged(wParam, lParam);
            return 0;
        case WM_SETTINGCHANGE:
            OnSettingChanged(wParam, lParam);
            break;
        case WM_DESTROY:
            place_.Save(window_);
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void MainWindow::OnCommand(HWND control, int id, int code) {
    if (working_ && working_->Holds(control)) {
        if (code == EN_SETFOCUS || code == EN_KILLFOCUS) working_->FocusChanged();
        return;
    }
    const design::Control* designed = DesignedControl(id);
    if (!designed) return;
    // An owner-drawn button reports the second of two quick clicks as a
    // double click: it is a click all the same.
    if (designed->kind == design::Kind::Button &&
        (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
        logic_.CommandClicked(designed->index);
    } else if (designed->kind == design::Kind::List && code == LBN_SELCHANGE) {
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
    // Where it has been hidden since (the working, narrowed meanwhile), on
    // to the next control, as Tab would take it.
    SetFocus(IsWindowVisible(focusBeforeDeactivation_)
                 ? focusBeforeDeactivation_
                 : GetNextDlgTabItem(window_, focusBeforeDeactivation_, FALSE));
    return true;
}

// The controls and their font for the new density, then the window's size
// for it (so at the designed size, the designed size for the new density).
void MainWindow::OnDpiChanged(int dpi, const RECT& suggested) {
    density_.Change(window_, dpi);
    place_.MoveToDensity(window_, suggested);
    if (working_) working_->LayOut();
    RepaintAll();
}

void MainWindow::OnMinMaxInfo(MINMAXINFO& info) const {  // no smaller than designed
    const SIZE least = density_.WindowSize(density_.Dpi());
    info.ptMinTrackSize = {least.cx, least.cy};
}

// The working shows, or not, in the room there is.
void MainWindow::OnSize(int kind) {
    if (kind == SIZE_MINIMIZED) return;  // out of sight
    place_.Sized(window_, kind);
    if (!working_) return;  // not yet made
    working_->LayOut();
    // The sheet and the room right of the controls, painted anew.
    RECT room;
    GetClientRect(window_, &room);
    room.left = layout::ToPixels(design::kWindow.widthTwips, density_.Dpi());
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

}  // namespace velmora::win32
