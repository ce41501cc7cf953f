// The window's size, place and maximised state: kept between runs under the
// user's key in the registry (HKEY_CURRENT_USER), never beside the program,
// and, while it runs, its client area's size in twips, so that it keeps its
// size on a monitor of another density. What is kept, and which saved places
// are usable, is the shared placement's (window/window_placement.h).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "density.h"
#include "window_placement.h"

namespace velmora::win32 {

// Where the user's settings are: HKEY_CURRENT_USER\Software\Velmora.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Velmora";

// Where CreateWindowExW is to make the window.
struct CreationPlace {
    int left, top, width, height;  // CW_USEDEFAULT where the system is to choose
};

class WindowPlace {
  public:
    // Kept under `key`; nothing is read or saved where it is empty.
    WindowPlace(std::wstring key, const Density& density)
        : key_(std::move(key)), density_(density) {}

    // Before the window exists: where the user left it, at the size the
    // screen there gives it, so that the window is made on that screen and at
    // its density; where the system chooses, if nothing usable is saved.
    CreationPlace Created();
    // Once the window has its density: its client area as saved, at that density.
    void Restore(HWND window);
    // The command to show the window with: maximised where it was left so,
    // unless the program was asked to start otherwise.
    int ShowCommand(int requested) const;

    SIZE ClientTwips() const { return clientTwips_; }
    // WM_SIZE: a size the user chose is kept in twips (the designed size
    // exactly, where it is that).
    void Sized(HWND window, int kind);
    // WM_DPICHANGED: where Windows suggests, with the client area as large as
    // before in twips; a maximised window takes the suggested rectangle.
    void MoveToDensity(HWND window, const RECT& suggested);
    // For the next start, where the window returns to.
    void Save(HWND window) const;

  private:
    std::wstring key_;
    const Density& density_;
    std::optional<placement::Saved> saved_;  // where it is usable
    // The client area as the user sized it (not maximised), in twips.
    SIZE clientTwips_ = kDesignedClientTwips;
    bool opensMaximised_ = false;
};

}  // namespace velmora::win32
