// The regional number settings that shape a value shown in a box. Plain data:
// each window toolkit fills it from its platform's settings.
#pragma once

#include <string>
#include <vector>

namespace velmora {

// How a negative value is shown; the numbers are those of Windows' "negative
// number format" (LOCALE_INEGNUMBER).
enum class NegativeStyle : int {
    Parentheses = 0,        // (1.500)
    LeadingSign = 1,        // -1.500
    LeadingSignSpace = 2,   // - 1.500
    TrailingSign = 3,       // 1.500-
    TrailingSignSpace = 4,  // 1.500 -
};

struct NumberFormat {
    std::u16string decimalSeparator = u".";
    std::u16string groupSeparator;  // empty: no grouping
    std::u16string negativeSign = u"-";
    char32_t zeroDigit = U'0';  // digits are zeroDigit .. zeroDigit + 9
    // Sizes of the digit groups from the decimal separator leftwards. When
    // repeatLastGroup is set the last size repeats to the left end; otherwise
    // the digits beyond the listed groups stay together. Empty: no grouping.
    std::vector<int> groupSizes;
    bool repeatLastGroup = true;
    // Grouping starts only when the integer part has at least the first group
    // size plus this many digits (Bulgarian writes 1234 but 12 345).
    int minimumGroupingDigits = 1;
    bool leadingZero = true;  // 0.500 rather than .500
    NegativeStyle negativeStyle = NegativeStyle::LeadingSign;
};

}  // namespace velmora
