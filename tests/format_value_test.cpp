#include "format_value.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <limits>
#include <string>

namespace velmora {
namespace {

struct FormatCase {
    const char* locale;
    double value;
    const char* expected;  // UTF-8
};

TEST(FormatValue, FollowsTheLocale) {
    // U+00A0 is the no-break space that Bulgarian groups with.
    const FormatCase cases[] = {
        {"C", 4, "4.000"},
        {"C", 0.5, "0.500"},
        {"C", 10, "10.000"},
        {"C", 1234567.25, "1234567.250"},
        {"C", -1.5, "-1.500"},
        {"en_US", 16, "16.000"},
        {"en_US", 1234, "1,234.000"},
        {"en_US", 1234567.25, "1,234,567.250"},
        {"en_US", -1234.5, "-1,234.500"},
        {"en_US", 123, "123.000"},
        {"de_DE", 1234567.891, "1.234.567,891"},
        {"de_DE", 0.5, "0,500"},
        {"de_DE", 6.928203230275509, "6,928"},
        {"bg_BG", 16, "16,000"},
        {"bg_BG", 1234, "1234,000"},
        {"bg_BG", 12345, "12\u00a0345,000"},
        {"bg_BG", 1234567, "1\u00a0234\u00a0567,000"},
        {"bg_BG", -2.5, "-2,500"},
        {"hi_IN", 123, "123.000"},
        {"hi_IN", 1234567, "12,34,567.000"},
        {"hi_IN", 100000000, "10,00,00,000.000"},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(FormatValue(c.value, NumberFormatOf(QLocale(c.locale))).toStdString(), c.expected)
            << c.locale << " " << c.value;
    }
}

TEST(FormatValue, RoundsTheBinaryValueCorrectly) {
    const NumberFormat plain = NumberFormatOf(QLocale::c());
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {1.2345, "1.234"},    // really 1.23449999...
        {16.0005, "16.000"},  // really 16.00049999...
        {2.0005, "2.001"},    // really 2.00050000...02
        {0.0005, "0.001"},    // really 0.000500000...01
        {1.0015, "1.002"},    // really 1.00150000000000005...
        {0.0625, "0.062"},    // an exact tie may go either way: see below
        {999.9995, "1000.000"}, {1e22, "10000000000000000000000.000"}, {4.9e-324, "0.000"},
    };
    for (const auto& c : cases) {
        const std::string text = FormatValue(c.value, plain).toStdString();
        if (c.value == 0.0625) {
            EXPECT_TRUE(text == "0.062" || text == "0.063") << text;
        } else {
            EXPECT_EQ(text, c.expected) << c.value;
        }
    }
}

TEST(FormatValue, NeverUsesAnExponent) {
    const NumberFormat plain = NumberFormatOf(QLocale::c());
    const double max = std::numeric_limits<double>::max();
    const std::string text = FormatValue(max, plain).toStdString();
    EXPECT_EQ(text.size(), 309U + 4U);
    EXPECT_EQ(text.rfind("179769313486231570814527423731704356798070567525844996598917476803", 0),
              0U);
    EXPECT_EQ(text.substr(text.size() - 4), ".000");
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
}

TEST(FormatValue, ZeroShowsNoMinusSign) {
    for (const char* locale : {"C", "en_US", "bg_BG"}) {
        const NumberFormat format = NumberFormatOf(QLocale(locale));
        for (double value : {-0.0, -0.0004, -1e-300}) {
            const std::string text = FormatValue(value, format).toStdString();
            EXPECT_EQ(text.find('-'), std::string::npos) << locale << " " << text;
            EXPECT_EQ(text.find('('), std::string::npos) << locale << " " << text;
        }
    }
    NumberFormat parentheses;
    parentheses.negativeStyle = NegativeStyle::Parentheses;
    EXPECT_EQ(FormatValue(-0.0004, parentheses).toStdString(), "0.000");
    EXPECT_EQ(FormatValue(-0.0005, parentheses).toStdString(), "(0.001)");
}

TEST(FormatValue, HonoursLeadingZeroAndNegativeStyle) {
    NumberFormat format;  // period, no grouping
    format.leadingZero = false;
    format.negativeStyle = NegativeStyle::Parentheses;
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.5, ".500"}, {-0.5, "(.500)"}, {0, ".000"}, {1.5, "1.500"}, {-1.5, "(1.500)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatValue(c.value, format).toStdString(), c.expected) << c.value;
    }
    format.negativeStyle = NegativeStyle::LeadingSign;
    EXPECT_EQ(FormatValue(-0.5, format).toStdString(), "-.500");
    format.leadingZero = true;
    EXPECT_EQ(FormatValue(-0.5, format).toStdString(), "-0.500");
}

// Grouping, separators, signs and digits agree with QLocale's own output for
// every locale it knows, on numbers short enough for QLocale to group right.
TEST(FormatValue, AgreesWithQLocaleAcrossAllLocales) {
    const QList<QLocale> locales =
        QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
    ASSERT_GT(locales.size(), 100);
    for (const QLocale& locale : locales) {
        const NumberFormat format = NumberFormatOf(locale);
        for (double value : {0.5, 7.25, 1234.5, 12345.678, 123456.789, -9876.543}) {
            EXPECT_EQ(FormatValue(value, format), locale.toString(value, 'f', 3))
                << locale.name().toStdString() << " " << value;
        }
    }
}

TEST(FormatValue, NonFiniteGivesNoText) {
    EXPECT_TRUE(FormatValue(std::numeric_limits<double>::infinity(), NumberFormat{}).isEmpty());
    EXPECT_TRUE(FormatValue(std::nan(""), NumberFormat{}).isEmpty());
}

}  // namespace
}  // namespace velmora
