#include "window_driver.h"

#include <gtest/gtest.h>

#include <vector>

#include "test_text.h"

namespace velmora::win32::testing {
namespace {

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Mouse(DWORD flags, POINT screen = {}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags;
    return input;
}

INPUT Keyboard(WORD key, WORD scan, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = scan;
    input.ki.dwFlags = flags;
    return input;
}

void PressKey(std::vector<INPUT>& inputs, WORD key) {
    inputs.push_back(Keyboard(key, 0, 0));
    inputs.push_back(Keyboard(key, 0, KEYEVENTF_KEYUP));
}

void PressCharacters(std::vector<INPUT>& inputs, std::u16string_view text) {
    for (char16_t ch : text) {
        inputs.push_back(Keyboard(0, ch, KEYEVENTF_UNICODE));
        inputs.push_back(Keyboard(0, ch, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
}

}  // namespace

WindowDriver::WindowDriver(SystemSettings settings, bool keepsPlacement) {
    if (!keepsPlacement) settings.settingsKey.clear();
    main_ = MainWindow::Create(GetModuleHandleW(nullptr), settings);
    if (!main_) {
        ADD_FAILURE() << "the window was not created";
        return;
    }
    window_ = main_->handle();
    main_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_);
    Pump(200);
}

WindowDriver::~WindowDriver() {
    main_.reset();  // and its window with it
    Pump(0);
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

void WindowDriver::Pump(int milliseconds) {
    const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) continue;
            if (IsWindow(window_) && IsDialogMessageW(window_, &message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    } while (GetTickCount64() < until);
}

void WindowDriver::ClickAt(HWND control, POINT point) {
    ClientToScreen(control, &point);
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point),
          Mouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, point),
          Mouse(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, point)});
    Pump();
}

void WindowDriver::PressAt(HWND control, POINT point) {
    ClientToScreen(control, &point);
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point),
          Mouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE, point)});
    Pump();
}

void WindowDriver::MoveTo(HWND control, POINT point) {
    ClientToScreen(control, &point);
    Send({Mouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, point)});
    Pump();
}

void WindowDriver::ReleaseAt(HWND control, POINT point) {
    ClientToScreen(control, &point);
    Send({Mouse(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE, point)});
    Pump();
}

void WindowDriver::Click(HWND control) {
    RECT r;
    GetClientRect(control, &r);
    ClickAt(control, {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

void WindowDriver::Key(WORD key, bool shift, bool control) {
    std::vector<INPUT> inputs;
    if (shift) inputs.push_back(Keyboard(VK_SHIFT, 0, 0));
    if (control) inputs.push_back(Keyboard(VK_CONTROL, 0, 0));
    PressKey(inputs, key);
    if (control) inputs.push_back(Keyboard(VK_CONTROL, 0, KEYEVENTF_KEYUP));
    if (shift) inputs.push_back(Keyboard(VK_SHIFT, 0, KEYEVENTF_KEYUP));
    Send(inputs);
    Pump();
}

void WindowDriver::Type(std::u16string_view text) {
    std::vector<INPUT> inputs;
    PressCharacters(inputs, text);
    Send(inputs);
    Pump();
}

void WindowDriver::ClickPair(int pair) {
    const HWND list = Control(kList1Id);
    SendMessageW(list, LB_SETTOPINDEX, static_cast<WPARAM>(pair), 0);
    RECT item{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(pair), reinterpret_cast<LPARAM>(&item));
    ClickAt(list, {(item.left + item.right) / 2, (item.top + item.bottom) / 2});
}

void WindowDriver::TypeInto(int quantity, std::u16string_view text) {
    Click(Control(kText2Id + quantity));
    std::vector<INPUT> inputs;  // to the end, erase everything, then type
    PressKey(inputs, VK_END);
    for (std::size_t i = Text(kText2Id + quantity).size(); i > 0; --i) PressKey(inputs, VK_BACK);
    PressCharacters(inputs, text);
    Send(inputs);
    Pump();
}

// As a user's eye would, the size is taken once the window shows it, within
// a bound: the window itself never ends smaller than it is sized, but Wine's
// screen can be smaller for a moment while a desktop of a session before goes.
void WindowDriver::SizeClientArea(int width, int height) {
    RECT window;
    RECT client;
    GetWindowRect(window_, &window);
    GetClientRect(window_, &client);
    SetWindowPos(window_, nullptr, 0, 0, window.right - window.left + width - client.right,
                 window.bottom - window.top + height - client.bottom,
                 SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    const ULONGLONG until = GetTickCount64() + 2000;
    do {
        Pump();
        GetClientRect(window_, &client);
    } while ((client.right != width || client.bottom != height) && GetTickCount64() < until);
    EXPECT_EQ(client.right, width) << "the screen: " << GetSystemMetrics(SM_CXMAXTRACK) << " × "
                                   << GetSystemMetrics(SM_CYMAXTRACK) << " at the most";
    EXPECT_EQ(client.bottom, height);
}

std::u16string WindowDriver::Text(int id) const {
    const HWND control = Control(id);
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, u'\0');
    const int length = GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string WindowDriver::Utf8Text(int id) const {
    return velmora::testing::Utf8(Text(id));
}

bool WindowDriver::ReadOnly(int quantity) const {
    return GetWindowLongW(Control(kText2Id + quantity), GWL_STYLE) & ES_READONLY;
}

bool WindowDriver::Checked(int quantity) const {
    return SendMessageW(Control(kCheck1Id + quantity), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

int WindowDriver::SelectedPair() const {
    return static_cast<int>(SendMessageW(Control(kList1Id), LB_GETCURSEL, 0, 0));
}

RECT WindowDriver::ClientRect(int id) const {
    RECT r;
    GetWindowRect(Control(id), &r);
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace velmora::win32::testing
