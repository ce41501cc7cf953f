// The regional format read from QLocale, checked against QLocale's own output.
#include "qt_number_format.h"

#include <gtest/gtest.h>

#include "format_value.h"
#include "qt_text.h"

namespace velmora {
namespace {

TEST(QtNumberFormat, FollowsTheLocale) {
    // U+00A0 is the no-break space that Bulgarian groups with.
    const struct {
        const char* locale;
        double value;
        const char* expected;  // UTF-8
    } cases[] = {
        {"C", 4, "4.000"},
        {"C", 1234567.25, "1234567.250"},
        {"C", -1.5, "-1.500"},
        {"en_US", 1234, "1,234.000"},
        {"en_US", -1234.5, "-1,234.500"},
        {"de_DE", 1234567.891, "1.234.567,891"},
        {"de_DE", 0.5, "0,500"},
        {"bg_BG", 1234, "1234,000"},
        {"bg_BG", 12345, "12\u00a0345,000"},
        {"bg_BG", 1234567, "1\u00a0234\u00a0567,000"},  // Qt 6.4 itself writes "1234 567"
        {"bg_BG", -2.5, "-2,500"},
        {"hi_IN", 123, "123.000"},
        {"hi_IN", 1234567, "12,34,567.000"},
        {"hi_IN", 100000000, "10,00,00,000.000"},
    };
    for (const auto& c : cases) {
        const NumberFormat format = NumberFormatOf(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(ToQString(FormatValue(c.value, format)).toStdString(), c.expected)
            << c.locale << " " << c.value;
    }
}

// Grouping, separators, signs and digits agree with QLocale's own output for
// every locale it knows, on numbers short enough for QLocale to group right.
TEST(QtNumberFormat, AgreesWithQLocaleAcrossAllLocales) {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const NumberFormat format = NumberFormatOf(locale);
        for (double value : {0.5, 7.25, 1234.5, 12345.678, 123456.789, -9876.543}) {
            EXPECT_EQ(ToQString(FormatValue(value, format)), locale.toString(value, 'f', 3))
                << locale.name().toStdString() << " " << value;
        }
    }
}

}  // namespace
}  // namespace velmora
