// The regional number settings that shape a value shown in a box.
#pragma once

#include <QLocale>
#include <QString>

namespace velmora {

enum class NegativeStyle {
    LeadingSign,  // -1.500
    Parentheses,  // (1.500)
};

struct NumberFormat {
    QString decimalSeparator = QStringLiteral(".");
    QString groupSeparator;  // empty: no grouping
    QString negativeSign = QStringLiteral("-");
    char32_t zeroDigit = U'0';
    // Digits are grouped from the decimal separator leftwards: first a group of
    // firstGroupSize, then groups of higherGroupSize, and only when the integer
    // part has at least firstGroupSize + minimumGroupingDigits digits.
    int firstGroupSize = 0;  // 0: no grouping
    int higherGroupSize = 0;
    int minimumGroupingDigits = 1;
    bool leadingZero = true;  // 0.500 rather than .500
    NegativeStyle negativeStyle = NegativeStyle::LeadingSign;
};

// The settings of a locale, as QLocale writes its numbers: separators, signs,
// digits and the way it groups them. Leading zero and negative style, which a
// locale does not carry, keep their defaults.
NumberFormat NumberFormatOf(const QLocale& locale);

// The user's regional settings: QLocale::system(), and on Windows also the
// leading-zero and negative-number choices of the Control Panel.
NumberFormat SystemNumberFormat();

}  // namespace velmora
