// Reads the leading number of whatever a user typed into a value box, the way
// the user's region writes numbers: the same settings FormatValue writes with,
// so that every value the window shows reads back as itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "number_format.h"

namespace velmora {

// Blanks, tabs, line feeds, the blanks that regions put between digit groups
// (no-break, narrow no-break and thin spaces) and the marks of writing
// direction (U+200E, U+200F, U+061C) are ignored wherever they stand; a
// carriage return ends the number. Then:
//  - an optional sign: "+", "-", the region's negative sign, or "(" where the
//    region shows negatives in parentheses; where its sign trails, a "-" or
//    its negative sign after the number makes it negative;
//  - digits (ASCII, or the region's own) with at most one decimal separator:
//    the period, or the region's; the region's group separator is passed over
//    in the integer part only where the whole integer part is grouped as the
//    region groups it. Where that separator is a period, a period groups only
//    where it cannot be the decimal point: the region's decimal separator
//    follows, or two or more periods do; a lone period where the region's
//    grouping would put its only separator (4.788) can be either;
//  - an optional exponent: "e" or "E", a sign, digits.
// Or "&H"/"&O" and a hexadecimal or octal integer. Reading stops at the first
// character that cannot continue the number and ignores the rest; text with
// no digit reads as 0. Where reading stops at a separator (a comma, a period,
// the region's decimal or group separator) with a digit behind it, or a
// number can be read two ways, nobody can tell which number was meant, and
// the result is NaN. A decimal number beyond
// the range of a double reads as an infinity of its sign, one too small for
// it as 0. Text is UTF-8 or UTF-16; anything malformed ends the number.
double ParseNumber(std::string_view utf8, const NumberFormat& format);
double ParseNumber(std::u16string_view utf16, const NumberFormat& format);

// A number exactly as a text writes it, before it is rounded to a double:
// ±digits·10^exponent, the digits with no zero at either end ("" for 0).
// 2,5 is {"25", −1}; 1,5e3 is {"15", 2}; 0,100 is {"1", −1}.
struct WrittenNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;  // saturated far beyond a double's range
    friend bool operator==(const WrittenNumber&, const WrittenNumber&) = default;
};

// What ParseNumber reads, by the same rules, but exactly; nothing where
// ParseNumber gives NaN, and for an &H or &O integer of more digits than it
// keeps exactly (15 hexadecimal, 21 octal).
std::optional<WrittenNumber> ParseExactly(std::string_view utf8, const NumberFormat& format);
std::optional<WrittenNumber> ParseExactly(std::u16string_view utf16, const NumberFormat& format);

}  // namespace velmora
