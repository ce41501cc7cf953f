// Reads the leading number of whatever a user typed into a value box.
#pragma once

#include <string_view>

namespace velmora {

// Blanks, tabs and line feeds are ignored wherever they stand; then an optional
// sign, decimal digits with at most one period and an optional exponent, or an
// "&H"/"&O" hexadecimal or octal integer. Reading stops at the first character
// that cannot continue the number; text with no digit reads as 0. The period is
// the only decimal separator, whatever the locale. Text is UTF-8 or UTF-16; any
// code unit that is not part of a number, malformed or not, simply ends it.
// A decimal number beyond the range of a double reads as an infinity of its
// sign, one too small for it as 0.
double ParseNumber(std::string_view utf8);
double ParseNumber(std::u16string_view utf16);

}  // namespace velmora
