#include "parse_number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// A period, no grouping, a leading "-": what the web and desktop write where
// nothing else is set.
const NumberFormat kPlain{};

struct ParseCase {
    std::string text;
    double expected;  // kNaN: the text can mean more than one number
};

void ExpectParses(const ParseCase& c, const NumberFormat& format = kPlain,
                  const char* region = "plain") {
    const double value = ParseNumber(c.text, format);
    if (std::isnan(c.expected)) {
        EXPECT_TRUE(std::isnan(value)) << region << ": \"" << c.text << "\" read as " << value;
    } else if (c.expected == 0.0) {
        EXPECT_EQ(value, 0.0) << region << ": \"" << c.text << "\"";
    } else {
        EXPECT_DOUBLE_EQ(value, c.expected) << region << ": \"" << c.text << "\"";
    }
}

TEST(ParseNumber, ReadsTheLeadingDecimalNumber) {
    const ParseCase cases[] = {
        {"", 0},    {"abc", 0},    {"   16", 16}, {"16abc", 16},  {"4.5", 4.5},    {".5", 0.5},
        {"5.", 5},  {"-.5", -0.5}, {"1e3", 1000}, {"1E-2", 0.01}, {"2.5e+1", 25},  {"-3", -3},
        {"+7", 7},  {"inf", 0},    {"nan", 0},    {"0x1A", 0},    {"1.2.3", kNaN}, {"e5", 0},
        {".e5", 0}, {"+", 0},      {"-", 0},      {".", 0},       {"--5", 0},      {"16.000", 16},
    };
    for (const ParseCase& c : cases) ExpectParses(c);
}

TEST(ParseNumber, ExponentNeedsADigit) {
    const ParseCase cases[] = {
        {"1e", 1},     {"1e+", 1},      {"1E-", 1},       {"1ex", 1},      {"1e+x5", 1},
        {"1e 2", 100}, {"1e1.5", kNaN}, {"1e2.48", kNaN}, {"1e1,5", kNaN},
    };
    for (const ParseCase& c : cases) ExpectParses(c);
}

TEST(ParseNumber, IgnoresBlanksTabsLineFeedsAndGroupSpaces) {
    const ParseCase cases[] = {
        {"1 6", 16},        {"\t1\n6", 16},   {"- 1 . 5", -1.5}, {"1 e 3", 1000},
        {"1\r6", 1},        {"1\u00a06", 16},  // no-break space
        {"1\u202f6", 16},                      // narrow no-break space
        {"1\u20096", 16},                      // thin space
        {"\n\n  \t42", 42}, {"\v5", 0},       {"\f5", 0},        {"1\u20036", 1},  // an em space is
                                                                                   // not one of
                                                                                   // them
    };
    for (const ParseCase& c : cases) ExpectParses(c);
}

// Regional settings as the desktops and browsers report them.
NumberFormat Region(std::u16string decimal, std::u16string group, std::vector<int> sizes,
                    int minimumGroupingDigits = 1) {
    NumberFormat format;
    format.decimalSeparator = std::move(decimal);
    format.groupSeparator = std::move(group);
    format.groupSizes = std::move(sizes);
    format.minimumGroupingDigits = minimumGroupingDigits;
    return format;
}
NumberFormat Negatives(NumberFormat format, NegativeStyle style, std::u16string sign = u"-") {
    format.negativeStyle = style;
    format.negativeSign = std::move(sign);
    return format;
}
const NumberFormat kEnUS = Region(u".", u",", {3});
const NumberFormat kDeDE = Region(u",", u".", {3});
const NumberFormat kHiIN = Region(u".", u",", {3, 2});
const NumberFormat kBgBG = Region(u",", u"\u00a0", {3}, 2);
const NumberFormat kFrFR = Region(u",", u"\u202f", {3});
const NumberFormat kDeCH = Region(u".", u"\u2019", {3});
const NumberFormat kSvSE = Negatives(kBgBG, NegativeStyle::LeadingSign, u"\u2212");
const NumberFormat kPersianSign = Negatives(kEnUS, NegativeStyle::LeadingSign, u"\u200e\u2212");
const NumberFormat kParentheses = Negatives(kBgBG, NegativeStyle::Parentheses);
const NumberFormat kTrailingSign = Negatives(kBgBG, NegativeStyle::TrailingSignSpace);
const NumberFormat kArabicDigits = [] {
    NumberFormat format = Region(u"\u066b", u"\u066c", {3});
    format.zeroDigit = U'\u0660';
    return format;
}();

TEST(ParseNumber, ReadsNumbersAsTheRegionWritesThem) {
    struct RegionalCase {
        const char* region;
        const NumberFormat& format;
        ParseCase typed;
    };
    const RegionalCase cases[] = {
        {"bg-BG", kBgBG, {"2,5", 2.5}},
        {"en-US", kEnUS, {"2,5", kNaN}},
        {"de-DE", kDeDE, {"2,5", 2.5}},
        {"plain", kPlain, {"2,5", kNaN}},
        {"bg-BG", kBgBG, {"2.5", 2.5}},
        {"de-DE", kDeDE, {"2.5", 2.5}},
        {"bg-BG", kBgBG, {"-0,5", -0.5}},
        {"en-US", kEnUS, {"-0,5", kNaN}},
        {"bg-BG", kBgBG, {",5", 0.5}},
        {"en-US", kEnUS, {",5", kNaN}},
        {"bg-BG", kBgBG, {"2,", 2}},
        {"en-US", kEnUS, {"2,", 2}},
        {"bg-BG", kBgBG, {"2,5,6", kNaN}},
        {"en-US", kEnUS, {"2,5,6", kNaN}},
        {"bg-BG", kBgBG, {"1\u00a0234,5", 1234.5}},
        {"bg-BG", kBgBG, {"1\u202f234,5", 1234.5}},
        {"bg-BG", kBgBG, {"1\u2009234,5", 1234.5}},
        {"fr-FR", kFrFR, {"12\u202f345,5", 12345.5}},
        {"en-US", kEnUS, {"1 234,5", kNaN}},
        {"en-US", kEnUS, {"1,000", 1000}},
        {"bg-BG", kBgBG, {"1,000", 1}},
        {"en-US", kEnUS, {"1,23", kNaN}},
        {"en-US", kEnUS, {"1,2345", kNaN}},
        {"bg-BG", kBgBG, {"0,12", 0.12}},
        {"en-US", kEnUS, {"0,12", kNaN}},
        {"en-US", kEnUS, {"1,234.5,6", kNaN}},
        {"en-US", kEnUS, {"1,234,567.5", 1234567.5}},
        {"hi-IN", kHiIN, {"12,34,567.5", 1234567.5}},
        {"en-US", kEnUS, {"12,34,567.5", kNaN}},
        {"de-DE", kDeDE, {"1.234,5", 1234.5}},
        {"bg-BG", kBgBG, {"1.234,5", kNaN}},
        {"de-DE", kDeDE, {"1.234", kNaN}},  // 1234 as grouped, or 1.234
        {"de-DE", kDeDE, {"12.345", kNaN}},
        {"de-DE", kDeDE, {"4.7885", 4.7885}},
        {"de-DE", kDeDE, {"0.500", 0.5}},
        {"de-DE", kDeDE, {"1234.567", 1234.567}},
        {"en-US", kEnUS, {"12345,678", kNaN}},  // grouped only in part
        {"en-US", kEnUS, {"1234,567", kNaN}},
        {"hi-IN", kHiIN, {"9,36868", kNaN}},
        {"bg-BG", kBgBG, {"1234 567", 1234567}},
        {"bg-BG", kBgBG, {"4e8,2", kNaN}},
        {"bg-BG", kBgBG, {"4e8.2", kNaN}},
        {"ar", kArabicDigits, {"4e8\u066b2", kNaN}},
        {"de-CH", kDeCH, {"4e8\u20192", kNaN}},
        {"en-US", kEnUS, {"1.234", 1.234}},
        {"de-DE", kDeDE, {"1.234.567", 1234567}},
        {"de-DE", kDeDE, {"1.23.4", kNaN}},
        {"plain", kPlain, {"2.5.6", kNaN}},
        {"de-DE", kDeDE, {"2.5.6", kNaN}},
        {"parentheses", kParentheses, {"(2,500)", -2.5}},
        {"bg-BG", kBgBG, {"(2,500)", 0}},
        {"trailing sign", kTrailingSign, {"2,500-", -2.5}},
        {"trailing sign", kTrailingSign, {"2,500 -", -2.5}},
        {"bg-BG", kBgBG, {"2,500-", 2.5}},
        {"sv-SE", kSvSE, {"\u22122,5", -2.5}},
        {"fa", kPersianSign, {"\u200e\u22125", -5}},
        {"fa", kPersianSign, {"\u22125", -5}},  // typed without the direction mark
        {"fa", kPersianSign, {"-5", -5}},
        {"plain", kPlain, {"-\u200e5", -5}},  // each direction mark, wherever it stands
        {"plain", kPlain, {"\u200f-5", -5}},
        {"plain", kPlain, {"1\u061c6", 16}},
        {"bg-BG", kBgBG, {"6,928 см", 6.928}},
        {"bg-BG", kBgBG, {"1,5e3", 1500}},
        {"de-DE", kDeDE, {"1,5e3", 1500}},
        {"ar", kArabicDigits, {"\u0661\u066c\u0662\u0663\u0664\u066b\u0665", 1234.5}},
        {"bg-BG", kBgBG, {"16abc", 16}},
    };
    for (const RegionalCase& c : cases) ExpectParses(c.typed, c.format, c.region);
}

TEST(ParseNumber, ReadsHexadecimalAndOctalIntegers) {
    const ParseCase cases[] = {
        {"&H1A", 26},
        {"&h1a", 26},
        {"&HfF", 255},
        {"&H F F", 255},
        {"&O17", 15},
        {"&o17", 15},
        {"&O178", 15},
        {"&H", 0},
        {"&O", 0},
        {"&Hxyz", 0},
        {"&O8", 0},
        {"&", 0},
        {"&Z1", 0},
        {"&5", 0},  // only H or O may follow the ampersand
        {"&-3", 0},
        {"&.5", 0},
        {"-&H10", 0},
        {"&H10.5", 16},
        {"&HFFFF", 65535},  // no 16-bit wrap to -1
        {"&HFFFFFFFF", 4294967295.0},
        {"&H0000000000000000000000000001", 1},
    };
    for (const ParseCase& c : cases) ExpectParses(c);
}

TEST(ParseNumber, LongHexadecimalIsExactThenNearest) {
    EXPECT_EQ(ParseNumber("&H20000000000000", kPlain), 9007199254740992.0);  // 2^53
    EXPECT_EQ(ParseNumber("&H1FFFFFFFFFFFFF", kPlain), 9007199254740991.0);  // 2^53 - 1
    EXPECT_EQ(ParseNumber("&H20000000000001", kPlain), 9007199254740992.0);  // tie to even
    EXPECT_EQ(ParseNumber("&H20000000000003", kPlain), 9007199254740996.0);  // tie to even, up
    EXPECT_EQ(ParseNumber("&H200000000000010000000001", kPlain),             // just above a tie
              std::ldexp(9007199254740994.0, 40));
    EXPECT_EQ(ParseNumber("&HFFFFFFFFFFFFFFFF", kPlain), 18446744073709551616.0);
    EXPECT_EQ(ParseNumber("&O1777777777777777777777", kPlain), 18446744073709551616.0);
    EXPECT_EQ(ParseNumber("&H" + std::string(300, 'F'), kPlain), kInf);
    EXPECT_EQ(ParseNumber("&O" + std::string(100'000, '7'), kPlain), kInf);
}

TEST(ParseNumber, OutOfRangeDecimalsBecomeInfinityOrZero) {
    const std::string zeros(100'000, '0');
    const ParseCase cases[] = {
        {"1e400", kInf},
        {"-1e400", -kInf},
        {"1e-400", 0},
        {"-1e-400", 0},
        {"1e99999999999999999999999", kInf},
        {"1e-99999999999999999999999", 0},
        // Exponents beyond any integer type, whose wrap-around would flip their sign.
        {"1e" + std::string(25, '9'), kInf},
        {"1e-" + std::string(25, '9'), 0},
        {"-1e" + std::string(25, '9'), -kInf},
        {"1e" + std::string(19, '9'), kInf},
        {"1e-" + std::string(26, '9'), 0},
        {"1e18446744073709551617", kInf},  // 2^64 + 1
        {"0e" + std::string(25, '9'), 0},
        {"0.0001e400", kInf},
        {"1" + zeros, kInf},
        {"1" + zeros + "e-100000", 1},
        {"0." + zeros + "1", 0},
        {"0." + zeros + "1e100001", 1},
        {"0" + zeros + "7", 7},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"4.9e-324", 4.9e-324},
    };
    for (const ParseCase& c : cases) ExpectParses(c);
}

TEST(ParseNumber, SurvivesAnyBytes) {
    EXPECT_EQ(ParseNumber(std::string("12\0"
                                      "34",
                                      5),
                          kPlain),
              12);
    EXPECT_EQ(ParseNumber(std::string("\0"
                                      "34",
                                      3),
                          kPlain),
              0);
    EXPECT_EQ(ParseNumber("\xff\xfe"
                          "12",
                          kPlain),
              0);
    EXPECT_EQ(ParseNumber("12\xff", kPlain), 12);
    EXPECT_EQ(ParseNumber("\xd0\xb0"
                          "5",
                          kPlain),
              0);  // a Cyrillic letter first
    EXPECT_EQ(ParseNumber(std::string(100'000, ' ') + "3", kPlain), 3);
    EXPECT_EQ(ParseNumber(std::string(100'000, '.'), kPlain), 0);
    EXPECT_EQ(ParseNumber(std::string(100'000, '9'), kPlain), kInf);
}

// The same reading, exactly: what the working computes from, so that 0,1 is
// a tenth and not the double nearest to it.
TEST(ParseNumber, ReadsExactlyAsWritten) {
    NumberFormat bulgarian;
    bulgarian.decimalSeparator = u",";
    bulgarian.groupSeparator = u"\u00a0";
    bulgarian.groupSizes = {3};
    const struct {
        const char* text;
        std::optional<WrittenNumber> expected;
    } rows[] = {
        {"2,5", WrittenNumber{false, "25", -1}},
        {"0,1", WrittenNumber{false, "1", -1}},
        {"1,5e3", WrittenNumber{false, "15", 2}},
        {"-0,0", WrittenNumber{true, "", 0}},
        {"16,000", WrittenNumber{false, "16", 0}},
        {"001200", WrittenNumber{false, "12", 2}},
        {"12\u00a0345,6", WrittenNumber{false, "123456", -1}},
        {"(2,5)", WrittenNumber{}},  // no number: the region writes no negative so
        {"abc", WrittenNumber{}},
        {"1e-99999999999999999999", WrittenNumber{false, "1", -1'000'000'000'000}},
        {"&H10", WrittenNumber{false, "16", 0}},
        {"&HFFFFFFFFFFFFFFF", WrittenNumber{false, "1152921504606846975", 0}},
        {"&H1000000000000000", std::nullopt},  // beyond the digits kept exactly
        {"1.234,5", std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ParseExactly(row.text, bulgarian), row.expected) << row.text;
}

// The program sets the C library's locale from the environment at start-up;
// reading must not follow it.
TEST(ParseNumber, IgnoresTheCLibraryLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* comma = nullptr;
    // glibc names, then the Windows C runtime's.
    for (const char* name :
         {"de_DE.UTF-8", "bg_BG.UTF-8", "de_DE.utf8", "bg_BG.utf8", "de-DE", "German_Germany"}) {
        if (std::setlocale(LC_ALL, name)) {
            comma = name;
            break;
        }
    }
    if (!comma) GTEST_SKIP() << "no comma-decimal locale installed (scripts/test installs one)";
    // The locale is really in force: the C library now stops at the period.
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.0) << comma;
    EXPECT_EQ(ParseNumber("2.5", kPlain), 2.5) << comma;
    EXPECT_TRUE(std::isnan(ParseNumber("2,5", kPlain))) << comma;
    EXPECT_EQ(ParseNumber("1.5e3", kPlain), 1500.0) << comma;
    std::setlocale(LC_ALL, saved.c_str());
}

}  // namespace
}  // namespace velmora
