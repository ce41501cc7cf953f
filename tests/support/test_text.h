// Helpers for comparing and printing UTF-16 control texts in tests.
#pragma once

#include <string>
#include <string_view>

#include "number_format.h"
#include "utf16.h"

namespace velmora::testing {

// UTF-16 to UTF-8, so that texts compare against UTF-8 literals and print readably.
using velmora::Utf8;

// Regional formats as the desktops report them for a few locales.
inline NumberFormat EnglishFormat() {
    NumberFormat format;
    format.groupSeparator = u",";
    format.groupSizes = {3};
    return format;
}

inline NumberFormat GermanFormat() {
    NumberFormat format = EnglishFormat();
    format.decimalSeparator = u",";
    format.groupSeparator = u".";
    return format;
}

// Groups with a no-break space, and only from five integer digits on.
inline NumberFormat BulgarianFormat() {
    NumberFormat format = GermanFormat();
    format.groupSeparator = u"\u00a0";
    format.minimumGroupingDigits = 2;
    return format;
}

}  // namespace velmora::testing
