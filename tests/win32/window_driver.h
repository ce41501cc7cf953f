// Drives the real Win32 window in-process, with real input through SendInput
// and with messages, and reads back what its controls hold.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "main_window.h"

namespace velmora::win32::testing {

class WindowDriver {
  public:
    // The window reads and saves its place only where `keepsPlacement`, so
    // that no test opens where another left it.
    explicit WindowDriver(SystemSettings settings = {}, bool keepsPlacement = false);
    ~WindowDriver();
    WindowDriver(const WindowDriver&) = delete;
    WindowDriver& operator=(const WindowDriver&) = delete;

    HWND window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }

    // Handles what has arrived, as the program's message loop does, for at
    // least `milliseconds` (input from SendInput arrives a little later).
    void Pump(int milliseconds = 60);

    void Click(HWND control);                       // the middle of it
    void ClickAt(HWND control, POINT clientPoint);  // a point of it
    // The left button pressed at a point of a control, the pointer moved
    // there, let go there: a drag, in steps.
    void PressAt(HWND control, POINT clientPoint);
    void MoveTo(HWND control, POINT clientPoint);
    void ReleaseAt(HWND control, POINT clientPoint);
    void Key(WORD virtualKey, bool shift = false, bool control = false);
    void Type(std::u16string_view text);  // as typed characters, any script
    void ClickPair(int pair);             // the list entry, with the mouse
    void TypeInto(int quantity, std::u16string_view text);

    // The window sized so that its client area is this large, in pixels,
    // once it shows that size (a failure where it does not within a bound).
    void SizeClientArea(int width, int height);

    std::u16string Text(int id) const;
    std::string Utf8Text(int id) const;
    bool ReadOnly(int quantity) const;
    bool Checked(int quantity) const;
    int SelectedPair() const;
    RECT ClientRect(int id) const;  // in the main window's client coordinates

  private:
    std::unique_ptr<MainWindow> main_;
    HWND window_ = nullptr;
};

}  // namespace velmora::win32::testing
