// Helpers for comparing and printing UTF-16 control texts in tests.
#pragma once

#include <string>
#include <string_view>

#include "number_format.h"
#include "utf16.h"

namespace velmora::testing {

// UTF-16 to UTF-8, so that texts compare against UTF-8 literals and print
// readably; an unpaired surrogate becomes U+FFFD.
inline std::string Utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

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
