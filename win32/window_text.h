// Texts between the shared code's UTF-16 and the W functions' wchar_t, which
// on Windows is the same 16-bit unit.
#pragma once

#include <windows.h>

#include <string>

namespace velmora::win32 {

inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// The whole text of a window or control.
inline std::u16string WindowText(HWND window) {
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
    const int length = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                      static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return text;
}

}  // namespace velmora::win32
