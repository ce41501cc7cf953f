// The user's regional number settings, as Windows' Control Panel holds them.
#pragma once

#include <string_view>

#include "number_format.h"

namespace velmora::win32 {

// Reads LOCALE_NAME_USER_DEFAULT with the user's own overrides: separators,
// negative sign and pattern, leading zero, grouping and digits.
NumberFormat ReadRegionalNumberFormat();

// Digit grouping written as Windows' LOCALE_SGROUPING: group sizes from the
// decimal separator leftwards, separated by ";"; a final 0 repeats the size
// before it ("3;0", "3;2;0"); without it the digits beyond the listed groups
// stay together ("3"); "0" or nothing means no grouping.
void ApplyGroupingPattern(std::u16string_view pattern, NumberFormat& format);

}  // namespace velmora::win32
