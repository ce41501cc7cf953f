// Texts are written in UTF-8; the window's controls hold UTF-16.
#pragma once

#include <string>
#include <string_view>

namespace velmora {

// Appends one code point, as a surrogate pair beyond the first plane.
void AppendCodePoint(std::u16string& out, char32_t codePoint);

// Malformed UTF-8 becomes U+FFFD, one for each byte that starts no character.
std::u16string Utf16(std::string_view utf8);

// An unpaired surrogate becomes U+FFFD.
std::string Utf8(std::u16string_view utf16);

}  // namespace velmora
