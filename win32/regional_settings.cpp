#include "regional_settings.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace velmora::win32 {
namespace {

// One value of the user's locale, or nothing where Windows has none.
std::u16string LocaleText(LCTYPE type) {
    wchar_t buffer[88] = {};  // the longest of these values is far shorter
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 88);
    if (length <= 1) return {};
    return std::u16string(reinterpret_cast<const char16_t*>(buffer),
                          static_cast<std::size_t>(length - 1));
}

// A numeric value, such as LOCALE_ILZERO; `fallback` where it is missing or malformed.
int LocaleNumber(LCTYPE type, int fallback) {
    const std::u16string text = LocaleText(type);
    if (text.empty()) return fallback;
    int value = 0;
    for (char16_t ch : text) {
        if (ch < u'0' || ch > u'9' || value > 1000) return fallback;
        value = value * 10 + (ch - u'0');
    }
    return value;
}

constexpr int kNativeDigitSubstitution = 2;  // LOCALE_IDIGITSUBSTITUTION: native digits

}  // namespace

void ApplyGroupingPattern(std::u16string_view pattern, NumberFormat& format) {
    std::vector<int> sizes;
    for (std::size_t start = 0; start <= pattern.size();) {
        const std::size_t end = std::min(pattern.find(u';', start), pattern.size());
        const std::u16string_view field = pattern.substr(start, end - start);
        // One digit a group: Windows allows group sizes 0 to 9.
        if (field.size() != 1 || field[0] < u'0' || field[0] > u'9') {
            sizes.clear();  // malformed: no grouping rather than a guess
            break;
        }
        sizes.push_back(field[0] - u'0');
        start = end + 1;
    }
    // A final 0 repeats the size before it; a 0 anywhere else, or alone, groups no further.
    const bool repeat = sizes.size() > 1 && sizes.back() == 0;
    if (!sizes.empty() && sizes.back() == 0) sizes.pop_back();
    if (std::find(sizes.begin(), sizes.end(), 0) != sizes.end()) sizes.clear();
    format.groupSizes = std::move(sizes);
    format.repeatLastGroup = repeat;
}

NumberFormat ReadRegionalNumberFormat() {
    NumberFormat format;
    if (std::u16string decimal = LocaleText(LOCALE_SDECIMAL); !decimal.empty()) {
        format.decimalSeparator = std::move(decimal);
    }
    format.groupSeparator = LocaleText(LOCALE_STHOUSAND);
    if (std::u16string sign = LocaleText(LOCALE_SNEGATIVESIGN); !sign.empty()) {
        format.negativeSign = std::move(sign);
    }
    format.leadingZero = LocaleNumber(LOCALE_ILZERO, 1) != 0;
    const int pattern = LocaleNumber(LOCALE_INEGNUMBER, 1);
    format.negativeStyle = pattern >= 0 && pattern <= 4 ? static_cast<NegativeStyle>(pattern)
                                                        : NegativeStyle::LeadingSign;
    ApplyGroupingPattern(LocaleText(LOCALE_SGROUPING), format);
    format.minimumGroupingDigits = 1;  // Windows groups 1234 as 1,234

    if (LocaleNumber(LOCALE_IDIGITSUBSTITUTION, 1) == kNativeDigitSubstitution) {
        const std::u16string native = LocaleText(LOCALE_SNATIVEDIGITS);
        // Ten consecutive digits from the first plane, as every Windows locale has.
        bool consecutive = native.size() == 10;
        for (std::size_t i = 1; consecutive && i < native.size(); ++i) {
            consecutive = native[i] == native[0] + i;
        }
        if (consecutive) format.zeroDigit = native[0];
    }
    return format;
}

}  // namespace velmora::win32
