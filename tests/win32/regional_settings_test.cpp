// The regional reader under the user locale Wine takes from LANG, and under
// the user's own Control Panel choices.
#include "regional_settings.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "format_value.h"
#include "test_text.h"

namespace velmora::win32 {
namespace {

using testing::Utf8;

std::string Shown(double value) {
    return Utf8(FormatValue(value, ReadRegionalNumberFormat()));
}

std::wstring LocaleValue(LCTYPE type) {
    wchar_t buffer[88] = {};
    GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 88);
    return buffer;
}

// Sets Control Panel values, as a user would, and puts the old ones back.
class ControlPanel {
  public:
    ~ControlPanel() {
        for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
            SetLocaleInfoW(LOCALE_USER_DEFAULT, it->first, it->second.c_str());
        }
    }
    void Set(LCTYPE type, const wchar_t* value) {
        saved_.emplace_back(type, LocaleValue(type));
        ASSERT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, type, value)) << type;
    }

  private:
    std::vector<std::pair<LCTYPE, std::wstring>> saved_;
};

// Run once for each LANG that the test list gives, with the locale it expects.
TEST(RegionalSettings, FollowsTheUserLocale) {
    const char* expected = std::getenv("VELMORA_EXPECTED_LOCALE");
    if (!expected) GTEST_SKIP() << "VELMORA_EXPECTED_LOCALE names the locale LANG sets";
    const struct {
        const char* locale;
        const char* large;
        const char* small;
    } cases[] = {
        {"en-US", "1,234,567.500", "-0.500"},
        {"bg-BG", "1\u00a0234\u00a0567,500", "-0,500"},  // a no-break space groups
        {"hi-IN", "12,34,567.500", "-0.500"},
    };
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    ASSERT_GT(GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH), 0);
    ASSERT_EQ(Utf8(reinterpret_cast<const char16_t*>(name)), expected);
    for (const auto& c : cases) {
        if (std::string(c.locale) != expected) continue;
        EXPECT_EQ(Shown(1234567.5), c.large);
        EXPECT_EQ(Shown(-0.5), c.small);
        return;
    }
    FAIL() << "no expectations for " << expected;
}

TEST(RegionalSettings, FollowsTheUsersChoices) {
    const struct {
        LCTYPE type;
        const wchar_t* value;
        double shown;
        const char* expected;
    } cases[] = {
        {LOCALE_ILZERO, L"0", 0.5, ".500"},
        {LOCALE_ILZERO, L"0", -0.5, "-.500"},
        {LOCALE_ILZERO, L"1", 0.5, "0.500"},
        {LOCALE_INEGNUMBER, L"0", -1234.5, "(1,234.500)"},
        {LOCALE_INEGNUMBER, L"1", -1234.5, "-1,234.500"},
        {LOCALE_INEGNUMBER, L"2", -1234.5, "- 1,234.500"},
        {LOCALE_INEGNUMBER, L"3", -1234.5, "1,234.500-"},
        {LOCALE_INEGNUMBER, L"4", -1234.5, "1,234.500 -"},
        {LOCALE_SGROUPING, L"3;0", 1234567890.5, "1,234,567,890.500"},
        {LOCALE_SGROUPING, L"3;2;0", 1234567890.5, "1,23,45,67,890.500"},
        {LOCALE_SGROUPING, L"3", 1234567890.5, "1234567,890.500"},
        {LOCALE_SGROUPING, L"3;2", 1234567890.5, "12345,67,890.500"},
        {LOCALE_SGROUPING, L"0", 1234567890.5, "1234567890.500"},
        {LOCALE_SGROUPING, L"3;0", 1234, "1,234.000"},  // Windows groups four digits too
        {LOCALE_SDECIMAL, L"\u066b", 2.5, "2\u066b500"},
        {LOCALE_STHOUSAND, L"'", 1234567, "1'234'567.000"},
        {LOCALE_SNEGATIVESIGN, L"\u2212", -2, "\u22122.000"},
    };
    for (const auto& c : cases) {
        ControlPanel panel;
        // A plain starting point, whatever the locale: then the one choice.
        panel.Set(LOCALE_SDECIMAL, L".");
        panel.Set(LOCALE_STHOUSAND, L",");
        panel.Set(LOCALE_SGROUPING, L"3;0");
        panel.Set(LOCALE_SNEGATIVESIGN, L"-");
        panel.Set(LOCALE_INEGNUMBER, L"1");
        panel.Set(LOCALE_ILZERO, L"1");
        panel.Set(c.type, c.value);
        EXPECT_EQ(Shown(c.shown), c.expected) << Utf8(reinterpret_cast<const char16_t*>(c.value));
    }
}

TEST(RegionalSettings, NativeDigitsOnlyWhenSubstitutionAsksForThem) {
    ControlPanel panel;
    panel.Set(LOCALE_SNATIVEDIGITS,
              L"\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669");
    panel.Set(LOCALE_SDECIMAL, L".");
    panel.Set(LOCALE_IDIGITSUBSTITUTION, L"1");
    EXPECT_EQ(Shown(12), "12.000");
    panel.Set(LOCALE_IDIGITSUBSTITUTION, L"2");
    EXPECT_EQ(Shown(12), "\u0661\u0662.\u0660\u0660\u0660");
}

TEST(GroupingPattern, ReadsWindowsGroupingStrings) {
    const struct {
        std::u16string_view pattern;
        std::vector<int> sizes;
        bool repeat;
    } cases[] = {
        {u"3;0", {3}, true},  {u"3;2;0", {3, 2}, true}, {u"3", {3}, false}, {u"3;2", {3, 2}, false},
        {u"0", {}, false},    {u"", {}, false},         {u"3;", {}, false}, {u"x", {}, false},
        {u"12;0", {}, false}, {u"0;3", {}, false},
    };
    for (const auto& c : cases) {
        NumberFormat format;
        ApplyGroupingPattern(c.pattern, format);
        EXPECT_EQ(format.groupSizes, c.sizes) << Utf8(c.pattern);
        EXPECT_EQ(format.repeatLastGroup, c.repeat) << Utf8(c.pattern);
    }
}

}  // namespace
}  // namespace velmora::win32
