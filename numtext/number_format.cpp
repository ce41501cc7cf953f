#include "number_format.h"

#include <QStringList>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace velmora {
namespace {

int CodePointCount(const QString& text) {
    return static_cast<int>(text.toUcs4().size());
}

// QLocale has no public accessor for its grouping, so let it group numbers and
// read the group sizes and the minimum grouping digits off its own output.
void ReadGrouping(const QLocale& locale, NumberFormat& format) {
    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) return;
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty()) return;

    const QStringList groups = locale.toString(Q_UINT64_C(1234567890123456789)).split(separator);
    if (groups.size() < 3) return;  // the locale does not group
    format.groupSeparator = separator;
    format.firstGroupSize = CodePointCount(groups.at(groups.size() - 1));
    format.higherGroupSize = CodePointCount(groups.at(groups.size() - 2));

    // The smallest power of ten that the locale groups.
    qulonglong power = 1;
    for (int digits = 1; digits <= format.firstGroupSize + 4; ++digits, power *= 10) {
        if (digits > format.firstGroupSize && locale.toString(power).contains(separator)) {
            format.minimumGroupingDigits = digits - format.firstGroupSize;
            return;
        }
    }
}

#ifdef Q_OS_WIN
// The Control Panel's "display leading zeros" and "negative number format".
void ReadWindowsRegionalChoices(NumberFormat& format) {
    wchar_t value[8] = {};
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_ILZERO, value, 8) > 0) {
        format.leadingZero = value[0] != L'0';
    }
    if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_INEGNUMBER, value, 8) > 0) {
        format.negativeStyle =
            value[0] == L'0' ? NegativeStyle::Parentheses : NegativeStyle::LeadingSign;
    }
}
#endif

}  // namespace

NumberFormat NumberFormatOf(const QLocale& locale) {
    NumberFormat format;
    format.decimalSeparator = locale.decimalPoint();
    format.negativeSign = locale.negativeSign();
    const auto zero = locale.zeroDigit().toUcs4();
    if (zero.size() == 1) format.zeroDigit = static_cast<char32_t>(zero.front());
    ReadGrouping(locale, format);
    return format;
}

NumberFormat SystemNumberFormat() {
    NumberFormat format = NumberFormatOf(QLocale::system());
#ifdef Q_OS_WIN
    ReadWindowsRegionalChoices(format);
#endif
    return format;
}

}  // namespace velmora
