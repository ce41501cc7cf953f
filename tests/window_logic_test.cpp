#include "window_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calculation_link.h"
#include "design.h"
#include "in_memory_controls.h"
#include "test_text.h"
#include "texts.h"
#include "twip_layout.h"

namespace velmora {
namespace {

using testing::InMemoryControls;
using testing::Utf8;
using Texts = std::array<const char*, kQuantityCount>;
using Flags = std::array<bool, kQuantityCount>;

class WindowLogicTest : public ::testing::Test {
  protected:
    explicit WindowLogicTest(NumberFormat format = testing::EnglishFormat())
        : logic(controls, [format] { return format; }) {
        controls.onPairChanged = [this] { logic.PairChanged(); };
        logic.Load();
    }

    void Select(const char* caption) {
        for (InputPair p = 0; p < kPairCount; ++p) {
            if (PairAt(p).caption == caption) controls.SelectPair(p);
        }
    }
    void Calculate() { logic.CommandClicked(kCalculateCommand); }
    void Clear() { logic.CommandClicked(kClearCommand); }

    void ExpectBoxes(const Texts& expected) const {
        for (Quantity q : kAllQuantities) {
            EXPECT_EQ(Utf8(controls.boxes[q].text), expected[q]) << "box " << QuantitySymbol(q);
        }
    }
    Flags ReadOnlyFlags() const {
        Flags flags{};
        for (Quantity q : kAllQuantities) flags[q] = controls.boxes[q].readOnly;
        return flags;
    }
    bool ShowsExplanation() const { return Utf8(controls.explanation) == texts::kExplanation; }
    bool ShowsInvalidData() const { return Utf8(controls.explanation) == "Грешни данни!"; }

    InMemoryControls controls;
    WindowLogic logic;
};

class BulgarianLocaleTest : public WindowLogicTest {
  protected:
    BulgarianLocaleTest() : WindowLogicTest(testing::BulgarianFormat()) {}
};

TEST_F(WindowLogicTest, StartsWithPairACAndTheDefaults) {
    EXPECT_EQ(PairAt(controls.pair).caption, "a, c");
    EXPECT_EQ(controls.pairChangedEvents, 1);
    ExpectBoxes({"16", "", "4", "", ""});
    EXPECT_EQ(ReadOnlyFlags(), (Flags{false, true, false, true, true}));
    EXPECT_EQ(controls.checks, (Flags{true, false, true, false, false}));
    EXPECT_TRUE(ShowsExplanation());
}

TEST_F(WindowLogicTest, CalculateRightAfterStartup) {
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_TRUE(ShowsExplanation());
    // The boxes keep their flags; a second Calculate reads the results back.
    EXPECT_EQ(ReadOnlyFlags(), (Flags{false, true, false, true, true}));
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
}

TEST_F(WindowLogicTest, EverySelectedPairEmptiesTheBoxesAndUnlocksItsTwo) {
    for (InputPair p = 0; p < kPairCount; ++p) {
        Calculate();  // fill the boxes (or leave them) so that emptying shows
        controls.SelectPair(p);
        EXPECT_FALSE(controls.working.has_value());  // nor the last working
        const PairDefinition& row = PairAt(p);
        ExpectBoxes({"", "", "", "", ""});
        for (Quantity q : kAllQuantities) {
            const bool given = q == row.first || q == row.second;
            EXPECT_EQ(controls.checks[q], given) << row.caption << " " << QuantitySymbol(q);
            EXPECT_EQ(controls.boxes[q].readOnly, !given)
                << row.caption << " " << QuantitySymbol(q);
        }
        // Give the start-up figure's values so the next round has results to empty.
        const std::array<const char*, kQuantityCount> figure{"16", "10", "4", "4", "40"};
        controls.Type(row.first, figure[row.first]);
        controls.Type(row.second, figure[row.second]);
        Calculate();
        ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    }
    EXPECT_TRUE(ShowsExplanation());
}

TEST_F(WindowLogicTest, ClearEmptiesTheBoxesOnly) {
    Calculate();
    ASSERT_TRUE(controls.working.has_value());
    Clear();
    EXPECT_FALSE(controls.working.has_value());  // its numbers are no longer shown
    ExpectBoxes({"", "", "", "", ""});
    EXPECT_EQ(PairAt(controls.pair).caption, "a, c");
    EXPECT_EQ(ReadOnlyFlags(), (Flags{false, true, false, true, true}));
    EXPECT_EQ(controls.checks, (Flags{true, false, true, false, false}));
    EXPECT_TRUE(ShowsExplanation());
    // Both given values now read as 0.
    Calculate();
    EXPECT_TRUE(ShowsInvalidData());
    ExpectBoxes({"", "", "", "", ""});
}

TEST_F(WindowLogicTest, InvalidDataKeepsTheBoxesAndAValidCalculationEndsTheMessage) {
    Select("a, b");
    controls.Type(kBaseA, "16");
    controls.Type(kLegB, "10");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_EQ(controls.explanationWrites, 0);  // the pupil's place in it stays

    controls.Type(kBaseA, "25");
    Calculate();
    EXPECT_TRUE(ShowsInvalidData());
    ExpectBoxes({"25", "10.000", "4.000", "4.000", "40.000"});

    // A pair change and Clear leave the message alone.
    Select("r, P");
    Clear();
    EXPECT_TRUE(ShowsInvalidData());

    // A valid calculation puts the explanation back.
    controls.Type(kRadiusR, "4");
    controls.Type(kPerimeterP, "40");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    EXPECT_TRUE(ShowsExplanation());
    // The message, then the explanation put back once; the next valid
    // calculation leaves it where the pupil has scrolled it.
    EXPECT_EQ(controls.explanationWrites, 2);
    Calculate();
    EXPECT_EQ(controls.explanationWrites, 2);
}

struct Session {
    const char* pair;
    const char* first;
    const char* second;
    Texts expected;
};

TEST_F(WindowLogicTest, CalculatesTypedValues) {
    const Session sessions[] = {
        {"r, P", "4", "40", {"16.000", "10.000", "4.000", "4.000", "40.000"}},
        {"a, c", "2,500", "8", {"2,500.000", "1,254.000", "8.000", "70.711", "5,016.000"}},
        {"b, r", " 1 0", "\t4\n", {"16.000", "10.000", "4.000", "4.000", "40.000"}},
        {"a, c", "1234.5", "0.5", {"1,234.500", "617.500", "0.500", "12.422", "2,470.000"}},
        {"a, r", "-16", "4", {"-16.000", "-10.000", "-4.000", "4.000", "-40.000"}},
        {"c, P", "&H4", "&O50", {"16.000", "10.000", "4.000", "4.000", "40.000"}},
        // b = 0.91250000000000009 only as ((4·r)·r)/c is grouped; (4·r)·(r/c) gives 0.912.
        {"c, r", "1.6", "0.3", {"0.225", "0.913", "1.600", "0.300", "3.650"}},
    };
    for (const Session& s : sessions) {
        Select(s.pair);
        const PairDefinition& row = PairAt(controls.pair);
        controls.Type(row.first, s.first);
        controls.Type(row.second, s.second);
        Calculate();
        SCOPED_TRACE(s.pair);
        ExpectBoxes(s.expected);
    }
    EXPECT_TRUE(ShowsExplanation());
}

TEST_F(WindowLogicTest, OutOfRangeOrAmbiguousInputIsInvalidData) {
    const std::string longHex = "&H" + std::string(300, 'F');  // 1200 bits
    for (const std::string& unreadable : {std::string("1e400"), std::string("-1e400"), longHex,
                                          std::string("2,5"), std::string("1,234.5,6")}) {
        Select("a, r");
        controls.Type(kBaseA, unreadable);
        controls.Type(kRadiusR, "4");
        Calculate();
        EXPECT_TRUE(ShowsInvalidData()) << unreadable;
        EXPECT_EQ(Utf8(controls.boxes[kBaseA].text), unreadable);
    }
}

// A list can lose its selection (a screen reader may clear it): the pair
// change then locks every box and marks none, and nothing throws.
TEST_F(WindowLogicTest, PairChangeWithNoPairSelectedLocksEveryBox) {
    controls.pair = -1;
    logic.PairChanged();
    ExpectBoxes({"", "", "", "", ""});
    EXPECT_EQ(ReadOnlyFlags(), (Flags{true, true, true, true, true}));
    EXPECT_EQ(controls.checks, (Flags{false, false, false, false, false}));
}

TEST_F(WindowLogicTest, UnknownCommandIndexDoesNothing) {
    for (int index : {-1, 2, 99}) logic.CommandClicked(index);
    ExpectBoxes({"16", "", "4", "", ""});
    EXPECT_TRUE(ShowsExplanation());
}

TEST_F(WindowLogicTest, GroupedResultReadsBackAsShown) {
    controls.Type(kBaseA, "1234.5");
    Calculate();
    ExpectBoxes({"1,234.500", "619.250", "4.000", "35.135", "2,477.000"});
    Calculate();
    ExpectBoxes({"1,234.500", "619.250", "4.000", "35.135", "2,477.000"});
}

TEST_F(BulgarianLocaleTest, DecimalCommasAndShownResultsReadBackAsThemselves) {
    controls.Type(kBaseA, "2,5");
    controls.Type(kBaseC, "6,5");
    Calculate();
    ExpectBoxes({"2,500", "4,500", "6,500", "2,016", "18,000"});
    Calculate();
    ExpectBoxes({"2,500", "4,500", "6,500", "2,016", "18,000"});

    controls.Type(kBaseA, "12\u00a0345,5");
    Calculate();
    ExpectBoxes({"12\u00a0345,500", "6176,000", "6,500", "141,638", "24\u00a0704,000"});
    Calculate();
    ExpectBoxes({"12\u00a0345,500", "6176,000", "6,500", "141,638", "24\u00a0704,000"});
}

// A link opens its calculation: the pair, the values written as the region
// writes them with every digit, the calculation; the same pair again starts
// from empty boxes; Load again is the start without a message.
TEST_F(BulgarianLocaleTest, OpensALinkedCalculation) {
    logic.OpenCalculation({PairOf(kRadiusR, kPerimeterP), 4, 40});
    EXPECT_EQ(PairAt(controls.pair).caption, "r, P");
    ExpectBoxes({"16,000", "10,000", "4,000", "4,000", "40,000"});
    ASSERT_TRUE(controls.working.has_value());

    logic.OpenCalculation({PairOf(kRadiusR, kPerimeterP), 6.25, 40});  // 2·r > b
    ExpectBoxes({"", "", "", "6,25", "40"});
    EXPECT_TRUE(ShowsInvalidData());

    logic.OpenCalculation({PairOf(kBaseA, kBaseC), -2.5, 4});
    ExpectBoxes({"-2,5", "", "4", "", ""});
    EXPECT_TRUE(ShowsInvalidData());

    logic.Load();
    EXPECT_EQ(PairAt(controls.pair).caption, "a, c");
    ExpectBoxes({"16", "", "4", "", ""});
    EXPECT_TRUE(ShowsExplanation());
    EXPECT_FALSE(controls.working.has_value());
}

TEST_F(WindowLogicTest, LoadEmptiesBoxesBeforeTheDefaults) {
    InMemoryControls fresh;
    for (Quantity q : kAllQuantities) fresh.boxes[q].text = u"junk";
    WindowLogic freshLogic(fresh, [] { return NumberFormat{}; });
    fresh.onPairChanged = [&] {
        // Inside the nested pair change, ClearValues has already run.
        for (Quantity q : kAllQuantities) EXPECT_NE(fresh.boxes[q].text, u"junk");
        freshLogic.PairChanged();
    };
    freshLogic.Load();
    EXPECT_EQ(fresh.pairChangedEvents, 1);
    for (Quantity q : kAllQuantities) {
        EXPECT_EQ(Utf8(fresh.boxes[q].text), q == kBaseA ? "16" : q == kBaseC ? "4" : "");
    }
}

// Pixels at the scalings Windows offers (125 %, 150 %, 175 %) and at an odd
// density, worked out by hand: each edge rounded to the nearest pixel.
TEST(TwipLayout, RoundsBothEdgesAtEveryDensity) {
    using design::ControlNamed;
    using design::Name;
    using layout::PixelRect;
    const layout::TwipRect client{0, 0, design::kWindow.widthTwips, design::kWindow.heightTwips};
    const struct {
        const char* what;
        layout::TwipRect twips;
        int dpi;
        PixelRect expected;
    } cases[] = {
        {"client area", client, 120, {0, 0, 581, 538}},
        {"Picture1", ControlNamed(Name::Picture1).rect, 120, {340, 40, 226, 208}},
        {"Check1(0) in Frame1", ControlNamed(Name::Check1, 0).rect, 120, {10, 20, 61, 34}},
        {"client area", client, 144, {0, 0, 698, 645}},
        {"Label1", ControlNamed(Name::Label1).rect, 144, {108, 0, 458, 38}},
        {"Text2(2) in Frame1", ControlNamed(Name::Text2, 2).rect, 144, {84, 96, 122, 41}},
        {"client area", client, 168, {0, 0, 814, 753}},
        {"Command1(1)", ControlNamed(Name::Command1, 1).rect, 168, {266, 336, 184, 44}},
        {"Text1(0)", ControlNamed(Name::Text1, 0).rect, 168, {14, 392, 786, 352}},
        {"Command1(0)", ControlNamed(Name::Command1, 0).rect, 110, {18, 220, 121, 29}},
        {"Text1(0)", ControlNamed(Name::Text1, 0).rect, 110, {9, 257, 515, 230}},
    };
    for (const auto& c : cases) {
        const PixelRect r = layout::ToPixels(c.twips, c.dpi);
        EXPECT_EQ(r, c.expected) << c.what << " at " << c.dpi << " DPI: " << r.left << ", " << r.top
                                 << ", " << r.width << " x " << r.height;
    }
}

// What the user reads and hears, letter for letter as designed: the caption,
// each control's caption or spoken name, and the pair list's entries.
TEST(Design, ShowsItsBulgarianTextsVerbatim) {
    using design::Name;
    EXPECT_EQ(design::kWindow.caption, "www.example.org  вписана окръжност в трапец");
    const struct {
        Name name;
        int index;
        std::string_view caption, spoken;
    } controls[] = {
        {Name::Label1, design::kUnindexed, "Геометрия - трапец, вписана окръжност",
         "Геометрия - трапец, вписана окръжност"},
        {Name::Frame1, design::kUnindexed, "Параметри", "Параметри"},
        {Name::Command1, 0, "Изчисли", "Изчисли"},
        {Name::Command1, 1, "Изчисти", "Изчисти"},
        {Name::List1, design::kUnindexed, "", "Дадени величини"},
        {Name::Text1, 0, texts::kExplanation, "Обяснение"},
        {Name::Picture1, design::kUnindexed, "", "Чертеж на трапеца"},
        {Name::Check1, 4, "P", "P"},
        {Name::Text2, 3, "", "r"},
    };
    for (const auto& c : controls) {
        const design::Control& control = design::ControlNamed(c.name, c.index);
        EXPECT_EQ(control.text, c.caption) << design::IndexedName(control);
        EXPECT_EQ(design::SpokenName(control), c.spoken) << design::IndexedName(control);
    }
    std::string entries;
    for (const PairDefinition& pair : kInputPairs) entries += std::string(pair.caption) + ";";
    EXPECT_EQ(entries, "a, b;a, c;a, r;a, P;b, c;b, r;c, r;c, P;r, P;");
}

// The text split at CR LF; the part after the last one is the final element.
std::vector<std::string_view> CrLfLines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end; (end = text.find("\r\n")) != std::string_view::npos;) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    lines.push_back(text);
    return lines;
}

TEST(ExplanationText, HasTwentyCrLfLinesVerbatim) {
    const std::string_view text = texts::kExplanation;
    const std::vector<std::string_view> lines = CrLfLines(text);
    ASSERT_EQ(lines.size(), 21U);                               // the text ends with a line break
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);  // no bare line feed
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 20);  // no bare carriage return
    EXPECT_TRUE(lines[20].empty());
    for (std::size_t i = 0; i < 20; ++i) {
        EXPECT_EQ(lines[i].empty(), i == 4 || i == 5) << "line " << i + 1;
    }
    EXPECT_TRUE(lines[0].starts_with("В равнобедрения трапец ABCD"));
    EXPECT_EQ(lines[16], "((a-c)/2)^2 +  (2*r)^2 = ((a+c)/2)^2");
    // ((a-c)/2)^2 expanded: the middle term is a*c/2.
    EXPECT_EQ(lines[17], "(a/2)^2 - a*c/2 + (c/2)^2 + 4*r^2 = (a/2)^2 +a*c/2 + (c/2)^2");
    EXPECT_EQ(lines[19], "r=sqr(a*c)/2");
}

TEST(AphorismText, HasThreeLinesEachEndingInABlank) {
    const std::vector<std::string_view> lines = CrLfLines(texts::kAphorism);
    ASSERT_EQ(lines.size(), 4U);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_TRUE(lines[i].ends_with(' ')) << i;
    EXPECT_EQ(lines[2], "било. ");
}

// A link names a calculation only where it is well formed; anything else
// names none.
TEST(CalculationLink, ReadsOnlyWellFormedFragments) {
    using link::Linked;
    const std::string huge = "a=" + std::string(100'000, '1') + "&c=4";
    // "a=1.000…&c=4", as long as a fragment may be, and one longer.
    const std::string longest = "a=1." + std::string(link::kLongestFragment - 8, '0') + "&c=4";
    const std::string tooLong = "a=1." + std::string(link::kLongestFragment - 7, '0') + "&c=4";
    const struct {
        std::string_view fragment;
        std::optional<Linked> read;
    } cases[] = {
        {"a=25&b=10", Linked{PairOf(kBaseA, kLegB), 25, 10}},
        {"a=16&c=4", Linked{PairOf(kBaseA, kBaseC), 16, 4}},
        {"a=-16&r=4", Linked{PairOf(kBaseA, kRadiusR), -16, 4}},
        {"a=16&P=40", Linked{PairOf(kBaseA, kPerimeterP), 16, 40}},
        {"b=10&c=4", Linked{PairOf(kLegB, kBaseC), 10, 4}},
        {"b=10&r=4", Linked{PairOf(kLegB, kRadiusR), 10, 4}},
        {"c=4&r=4", Linked{PairOf(kBaseC, kRadiusR), 4, 4}},
        {"c=4&P=40", Linked{PairOf(kBaseC, kPerimeterP), 4, 40}},
        {"r=4&P=40", Linked{PairOf(kRadiusR, kPerimeterP), 4, 40}},
        {"P=40&r=4", Linked{PairOf(kRadiusR, kPerimeterP), 4, 40}},  // either order
        {"a=2.5&c=0.000001", Linked{PairOf(kBaseA, kBaseC), 2.5, 1e-6}},
        {"a=1e21&c=-2.5e-7", Linked{PairOf(kBaseA, kBaseC), 1e21, -2.5e-7}},
        // Written by hand: any plain decimal.
        {"a=2.50&c=4", Linked{PairOf(kBaseA, kBaseC), 2.5, 4}},
        {"a=.5&c=4", Linked{PairOf(kBaseA, kBaseC), 0.5, 4}},
        {"a=-.5&c=5.", Linked{PairOf(kBaseA, kBaseC), -0.5, 5}},
        {"a=1e3&c=10", Linked{PairOf(kBaseA, kBaseC), 1000, 10}},
        {"a=1E21&c=1e+5", Linked{PairOf(kBaseA, kBaseC), 1e21, 1e5}},
        {"a=25E-1&c=007", Linked{PairOf(kBaseA, kBaseC), 2.5, 7}},
        {"a=0.1e1&c=4", Linked{PairOf(kBaseA, kBaseC), 1, 4}},
        {"a=40&c=5e-324", Linked{PairOf(kBaseA, kBaseC), 40, 5e-324}},
        {"", std::nullopt},
        {"a=16", std::nullopt},
        {"a=16&c=4&r=4", std::nullopt},
        {"a=16&c=4&", std::nullopt},
        {"b=10&P=40", std::nullopt},
        {"a=16&a=4", std::nullopt},
        {"x=16&c=4", std::nullopt},
        {"p=40&r=4", std::nullopt},
        {"A=16&c=4", std::nullopt},
        {" a=16&c=4", std::nullopt},
        {"a&c=4", std::nullopt},
        {"a=&c=4", std::nullopt},
        {"a=16abc&c=4", std::nullopt},
        {"a=+16&c=4", std::nullopt},
        {"a=1e&c=4", std::nullopt},
        {"a=1e+&c=4", std::nullopt},
        {"a=.&c=4", std::nullopt},
        {"a=-&c=4", std::nullopt},
        {"a=-e5&c=4", std::nullopt},
        {"a=--5&c=4", std::nullopt},
        {"a=5-&c=4", std::nullopt},
        {"a=1.2.3&c=4", std::nullopt},
        {"a=1..2&c=4", std::nullopt},
        {"a=1e5.5&c=4", std::nullopt},
        {"a=1e--5&c=4", std::nullopt},
        {"a=0x10&c=4", std::nullopt},
        {"a=NaN&c=4", std::nullopt},
        {"a=Infinity&c=4", std::nullopt},
        {"a=-inf&c=4", std::nullopt},
        {"a=1_000&c=4", std::nullopt},
        {"a=1,000&c=4", std::nullopt},
        {"a=1 6&c=4", std::nullopt},
        {"a=16 &c=4", std::nullopt},
        {"a=2,5&c=4", std::nullopt},
        {"a=1e400&c=4", std::nullopt},
        {"a=1e-400&c=4", std::nullopt},
        {"a=%31%36&c=4", std::nullopt},
        {"a=<img src=x onerror=alert(1)>&c=4", std::nullopt},
        {longest, Linked{PairOf(kBaseA, kBaseC), 1, 4}},
        {tooLong, std::nullopt},
        {huge, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(link::ReadFragment(c.fragment), c.read) << c.fragment.substr(0, 40);
    }
}

// Written in the plain form, whatever the region, and read back as the same numbers.
TEST(CalculationLink, WritesWhatItReadsBack) {
    using link::Linked;
    const struct {
        Linked calculation;
        std::string_view fragment;
    } cases[] = {
        {{PairOf(kRadiusR, kPerimeterP), 4, 40}, "r=4&P=40"},
        {{PairOf(kBaseA, kBaseC), 0.1, 2.5e-7}, "a=0.1&c=2.5e-7"},
        {{PairOf(kBaseA, kRadiusR), -1234567.25, 1e21}, "a=-1234567.25&r=1e21"},
        // Fewer digits above a power of two than the nearest ones below it.
        {{PairOf(kBaseA, kBaseC), 0x1p-24, 0x1p89},
         "a=5.960464477539063e-8&c=6.189700196426902e26"},
        {{PairOf(kBaseA, kBaseC), std::nan(""), 4}, ""},
        {{PairOf(kBaseA, kBaseC), 4, -std::numeric_limits<double>::infinity()}, ""},
        {{-1, 4, 4}, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(link::FragmentOf(c.calculation), c.fragment);
        if (!c.fragment.empty()) {
            EXPECT_EQ(link::ReadFragment(c.fragment), c.calculation);
        }
    }
}

// The controls get exactly the texts' characters, Cyrillic included.
TEST(Utf16Text, KeepsEveryCharacter) {
    const struct {
        std::string_view utf8;
        std::u16string_view utf16;
    } cases[] = {
        {"", u""},
        {"Грешни данни!", u"Грешни данни!"},
        {"a\r\nb", u"a\r\nb"},
        {"1\u00a0234", u"1\u00a0234"},
        {"\U0001F354", u"\U0001F354"},  // beyond the first plane: a surrogate pair
        {"\U00010000", u"\U00010000"},  // the first code point that needs one
        {"\xf4\x90\x80\x80", u"\ufffd\ufffd\ufffd\ufffd"},  // above U+10FFFF
        {"\xff", u"\ufffd"},
        {"\xd0", u"\ufffd"},                      // truncated
        {"\xc0\xaf", u"\ufffd\ufffd"},            // overlong
        {"\xed\xa0\x80", u"\ufffd\ufffd\ufffd"},  // a surrogate written in UTF-8
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf16(c.utf8), c.utf16) << c.utf8;
        if (c.utf16.find(u'\ufffd') == std::u16string_view::npos) {
            EXPECT_EQ(Utf8(c.utf16), c.utf8);
        }
    }
}

}  // namespace
}  // namespace velmora
