#include "format_value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "parse_number.h"
#include "test_text.h"

namespace velmora {
namespace {

using testing::Utf8;

std::string Format(double value, const NumberFormat& format) {
    return Utf8(FormatValue(value, format));
}

// Digit grouping as Windows' SGROUPING states it: "3;0" groups of three all
// the way, "3;2;0" three then twos, "3" one group of three and no more,
// "3;2" three, two, then the rest together; "0" none.
NumberFormat Grouped(std::vector<int> sizes, bool repeat) {
    NumberFormat format;
    format.groupSeparator = u",";
    format.groupSizes = std::move(sizes);
    format.repeatLastGroup = repeat;
    return format;
}

TEST(FormatValue, GroupsDigitsAsTheRegionAsks) {
    const struct {
        const char* name;
        NumberFormat format;
        double value;
        const char* expected;
    } cases[] = {
        {"none", NumberFormat{}, 1234567.25, "1234567.250"},
        {"3;0", Grouped({3}, true), 123, "123.000"},
        {"3;0", Grouped({3}, true), 1234, "1,234.000"},
        {"3;0", Grouped({3}, true), 1234567890, "1,234,567,890.000"},
        {"3;0", Grouped({3}, true), -1234.5, "-1,234.500"},
        {"3;2;0", Grouped({3, 2}, true), 1234567, "12,34,567.000"},
        {"3;2;0", Grouped({3, 2}, true), 100000000, "10,00,00,000.000"},
        {"3", Grouped({3}, false), 1234567890, "1234567,890.000"},
        {"3;2", Grouped({3, 2}, false), 1234567890, "12345,67,890.000"},
        {"0", Grouped({0}, true), 1234567, "1234567.000"},
        {"empty", Grouped({}, true), 1234567, "1234567.000"},
        {"en_US", testing::EnglishFormat(), 1234567.25, "1,234,567.250"},
        {"de_DE", testing::GermanFormat(), 1234567.891, "1.234.567,891"},
        {"de_DE", testing::GermanFormat(), 6.928203230275509, "6,928"},
        {"bg_BG", testing::BulgarianFormat(), 1234, "1234,000"},
        {"bg_BG", testing::BulgarianFormat(), 12345, "12\u00a0345,000"},
        {"bg_BG", testing::BulgarianFormat(), 1234567.5, "1\u00a0234\u00a0567,500"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.format), c.expected) << c.name;
}

TEST(FormatValue, ShowsEveryNegativePattern) {
    const struct {
        NegativeStyle style;
        const char* negative;
        const char* small;
    } cases[] = {
        {NegativeStyle::Parentheses, "(1,234.500)", "(0.250)"},
        {NegativeStyle::LeadingSign, "-1,234.500", "-0.250"},
        {NegativeStyle::LeadingSignSpace, "- 1,234.500", "- 0.250"},
        {NegativeStyle::TrailingSign, "1,234.500-", "0.250-"},
        {NegativeStyle::TrailingSignSpace, "1,234.500 -", "0.250 -"},
    };
    for (const auto& c : cases) {
        NumberFormat format = testing::EnglishFormat();
        format.negativeStyle = c.style;
        const int pattern = static_cast<int>(c.style);
        EXPECT_EQ(Format(-1234.5, format), c.negative) << pattern;
        EXPECT_EQ(Format(-0.25, format), c.small) << pattern;
        EXPECT_EQ(Format(1234.5, format), "1,234.500") << pattern;
        EXPECT_EQ(Format(-0.0004, format), "0.000") << pattern;  // rounds to zero: no sign
        format.leadingZero = false;
        EXPECT_EQ(Format(-0.25, format).find("0.250"), std::string::npos) << pattern;
        format.negativeSign = u"\u2212";  // a sign of its own, where the region has one
        const bool showsSign = c.style != NegativeStyle::Parentheses;
        EXPECT_EQ(Format(-1, format).find("\u2212") != std::string::npos, showsSign) << pattern;
    }
}

TEST(FormatValue, RoundsTheBinaryValueCorrectly) {
    const NumberFormat plain;
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
        const std::string text = Format(c.value, plain);
        if (c.value == 0.0625) {
            EXPECT_TRUE(text == "0.062" || text == "0.063") << text;
        } else {
            EXPECT_EQ(text, c.expected) << c.value;
        }
    }
}

TEST(FormatValue, NeverUsesAnExponent) {
    const double max = std::numeric_limits<double>::max();
    const std::string text = Format(max, NumberFormat{});
    EXPECT_EQ(text.size(), 309U + 4U);
    EXPECT_EQ(text.rfind("179769313486231570814527423731704356798070567525844996598917476803", 0),
              0U);
    EXPECT_EQ(text.substr(text.size() - 4), ".000");
    EXPECT_EQ(text.find_first_of("eE"), std::string::npos);
}

TEST(FormatValue, ZeroShowsNoMinusSign) {
    for (const NumberFormat& format :
         {NumberFormat{}, testing::EnglishFormat(), testing::BulgarianFormat()}) {
        for (double value : {-0.0, -0.0004, -1e-300}) {
            const std::string text = Format(value, format);
            EXPECT_EQ(text.find('-'), std::string::npos) << text;
        }
    }
    NumberFormat parentheses;
    parentheses.negativeStyle = NegativeStyle::Parentheses;
    EXPECT_EQ(Format(-0.0004, parentheses), "0.000");
    EXPECT_EQ(Format(-0.0005, parentheses), "(0.001)");
}

TEST(FormatValue, HonoursLeadingZero) {
    NumberFormat format;
    format.leadingZero = false;
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {0.5, ".500"}, {-0.5, "-.500"}, {0, ".000"}, {1.5, "1.500"}, {0.9996, "1.000"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.value, format), c.expected) << c.value;
    format.negativeStyle = NegativeStyle::Parentheses;
    EXPECT_EQ(Format(-0.5, format), "(.500)");
    format.leadingZero = true;
    EXPECT_EQ(Format(-0.5, format), "(0.500)");
}

TEST(FormatValue, WritesTheRegionsDigits) {
    NumberFormat arabic;
    arabic.zeroDigit = U'\u0660';
    arabic.decimalSeparator = u"\u066b";
    EXPECT_EQ(Format(12.5, arabic), "\u0661\u0662\u066b\u0665\u0660\u0660");
    NumberFormat mathematical;  // digits beyond the first plane
    mathematical.zeroDigit = U'\U0001D7CE';
    EXPECT_EQ(Format(1, mathematical), "\U0001D7CF.\U0001D7CE\U0001D7CE\U0001D7CE");
}

TEST(FormatValue, NonFiniteGivesNoText) {
    EXPECT_TRUE(FormatValue(std::numeric_limits<double>::infinity(), NumberFormat{}).empty());
    EXPECT_TRUE(FormatValue(std::nan(""), NumberFormat{}).empty());
}

// Every digit that a value needs and no more, ungrouped, with an exponent
// only where JavaScript writes one; it reads back as exactly the value.
TEST(FormatExact, WritesTheShortestTextThatReadsBack) {
    NumberFormat parentheses = testing::BulgarianFormat();
    parentheses.negativeStyle = NegativeStyle::Parentheses;
    parentheses.leadingZero = false;
    const struct {
        double value;
        const NumberFormat& format;
        const char* text;
    } cases[] = {
        {40, NumberFormat{}, "40"},
        {0.1, NumberFormat{}, "0.1"},
        {-2.5, NumberFormat{}, "-2.5"},
        {1e20, NumberFormat{}, "100000000000000000000"},
        {1e21, NumberFormat{}, "1e21"},
        {123456789012345680000.0, NumberFormat{}, "123456789012345680000"},
        {2.5e-7, NumberFormat{}, "2.5e-7"},
        {0.000001, NumberFormat{}, "0.000001"},
        {1234567.25, NumberFormat{}, "1234567.25"},
        {0.30000000000000004, NumberFormat{}, "0.30000000000000004"},
        {5e-324, NumberFormat{}, "5e-324"},
        {std::numeric_limits<double>::max(), NumberFormat{}, "1.7976931348623157e308"},
        {0, NumberFormat{}, "0"},
        {1234567.25, testing::BulgarianFormat(), "1234567,25"},  // ungrouped
        {-0.5, parentheses, "(,5)"},
        {-3e-30, parentheses, "(3e-30)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(FormatExact(c.value, c.format)), c.text) << c.text;
        EXPECT_EQ(ParseNumber(FormatExact(c.value, c.format), c.format), c.value) << c.text;
    }
    EXPECT_TRUE(FormatExact(std::nan(""), NumberFormat{}).empty());
}

}  // namespace
}  // namespace velmora
