#include "qt_number_format.h"

#include <QStringList>

#include "qt_text.h"

namespace velmora {
namespace {

int CodePointCount(const QString& text) {
    return static_cast<int>(text.toUcs4().size());
}

// QLocale has no public accessor for its grouping, so let it group numbers and
// read the group sizes and the minimum grouping digits off its own output.
// (Reading QLocale's output also repairs Qt 6.4, which groups some locales'
// longer numbers wrongly: "1234 567" in Bulgarian.)
void ReadGrouping(const QLocale& locale, NumberFormat& format) {
    if (locale.numberOptions().testFlag(QLocale::OmitGroupSeparator)) return;
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty()) return;

    const QStringList groups = locale.toString(Q_UINT64_C(1234567890123456789)).split(separator);
    if (groups.size() < 3) return;  // the locale does not group
    format.groupSeparator = ToUtf16(separator);
    const int first = CodePointCount(groups.at(groups.size() - 1));
    const int higher = CodePointCount(groups.at(groups.size() - 2));
    format.groupSizes = {first, higher};
    format.repeatLastGroup = true;

    // The smallest power of ten that the locale groups.
    qulonglong power = 1;
    for (int digits = 1; digits <= first + 4; ++digits, power *= 10) {
        if (digits > first && locale.toString(power).contains(separator)) {
            format.minimumGroupingDigits = digits - first;
            return;
        }
    }
}

}  // namespace

NumberFormat NumberFormatOf(const QLocale& locale) {
    NumberFormat format;
    format.decimalSeparator = ToUtf16(locale.decimalPoint());
    format.negativeSign = ToUtf16(locale.negativeSign());
    const auto zero = locale.zeroDigit().toUcs4();
    if (zero.size() == 1) format.zeroDigit = static_cast<char32_t>(zero.front());
    ReadGrouping(locale, format);
    return format;
}

NumberFormat SystemNumberFormat() {
    return NumberFormatOf(QLocale::system());
}

}  // namespace velmora
