// The window's size, place and maximised state, kept between runs under the
// user's key in the registry (HKEY_CURRENT_USER), never beside the program.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace velmora::win32 {

// Where the user's settings are: HKEY_CURRENT_USER\Software\Velmora.
inline constexpr wchar_t kSettingsKey[] = L"Software\\Velmora";

struct Placement {
    RECT client;  // in pixels of the screen, at the density it was read for
    bool maximised;
};

// The placement saved under `key`, where it is usable at `dpi` on this
// machine's screens; nothing where it is missing, damaged or impossible.
std::optional<Placement> ReadPlacement(const std::wstring& key, int dpi);

// The window's normal place and size (as if it were not maximised or
// minimised), with the client area `clientTwips` in twips, and whether it
// is maximised.
void SavePlacement(const std::wstring& key, HWND window, SIZE clientTwips, RECT frame);

}  // namespace velmora::win32
