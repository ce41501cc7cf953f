#include "window_logic.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QStringList>
#include <array>
#include <string>

#include "in_memory_controls.h"
#include "qt_text.h"
#include "texts.h"

namespace velmora {
namespace {

using testing::InMemoryControls;
using Texts = std::array<const char*, kQuantityCount>;
using Flags = std::array<bool, kQuantityCount>;

class WindowLogicTest : public ::testing::Test {
  protected:
    explicit WindowLogicTest(const char* locale = "en_US")
        : logic(controls, [format = NumberFormatOf(QLocale(locale))] { return format; }) {
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
            EXPECT_EQ(controls.boxes[q].text.toStdString(), expected[q])
                << "box " << QuantitySymbol(q);
        }
    }
    Flags ReadOnlyFlags() const {
        Flags flags{};
        for (Quantity q : kAllQuantities) flags[q] = controls.boxes[q].readOnly;
        return flags;
    }
    bool ShowsExplanation() const { return controls.explanation == ToQString(texts::kExplanation); }
    bool ShowsInvalidData() const { return controls.explanation == ToQString(texts::kInvalidData); }

    InMemoryControls controls;
    WindowLogic logic;
};

class CommaLocaleTest : public WindowLogicTest {
  protected:
    CommaLocaleTest() : WindowLogicTest("de_DE") {}
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
    Clear();
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

TEST_F(WindowLogicTest, InvalidDataKeepsTheBoxesAndTheMessageStays) {
    Select("a, b");
    controls.Type(kBaseA, "16");
    controls.Type(kLegB, "10");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});

    controls.Type(kBaseA, "25");
    Calculate();
    EXPECT_TRUE(ShowsInvalidData());
    ExpectBoxes({"25", "10.000", "4.000", "4.000", "40.000"});

    // No later event restores the explanation, not even a valid calculation.
    controls.Type(kBaseA, "16");
    Calculate();
    ExpectBoxes({"16.000", "10.000", "4.000", "4.000", "40.000"});
    Select("r, P");
    Clear();
    EXPECT_TRUE(ShowsInvalidData());
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
        {"a, c", "2,5", "8", {"2.000", "5.000", "8.000", "2.000", "20.000"}},  // comma stops
        {"b, r", " 1 0", "\t4\n", {"16.000", "10.000", "4.000", "4.000", "40.000"}},
        {"a, c", "1234.5", "0.5", {"1,234.500", "617.500", "0.500", "12.422", "2,470.000"}},
        {"a, r", "-16", "4", {"-16.000", "-10.000", "-4.000", "4.000", "-40.000"}},
        {"c, P", "&H4", "&O50", {"16.000", "10.000", "4.000", "4.000", "40.000"}},
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

TEST_F(WindowLogicTest, OutOfRangeInputIsInvalidData) {
    const std::string longHex = "&H" + std::string(300, 'F');  // 1200 bits
    for (const std::string& huge : {std::string("1e400"), std::string("-1e400"), longHex}) {
        Select("a, r");
        controls.Type(kBaseA, QString::fromStdString(huge));
        controls.Type(kRadiusR, "4");
        Calculate();
        EXPECT_TRUE(ShowsInvalidData()) << huge;
        EXPECT_EQ(controls.boxes[kBaseA].text.toStdString(), huge);
    }
}

TEST_F(WindowLogicTest, UnknownCommandIndexDoesNothing) {
    for (int index : {-1, 2, 99}) logic.CommandClicked(index);
    ExpectBoxes({"16", "", "4", "", ""});
    EXPECT_TRUE(ShowsExplanation());
}

TEST_F(WindowLogicTest, GroupedResultReadsBackTruncated) {
    controls.Type(kBaseA, "1234.5");
    Calculate();
    EXPECT_EQ(controls.boxes[kBaseA].text.toStdString(), "1,234.500");
    Calculate();  // "1,234.500" reads as 1
    ExpectBoxes({"1.000", "2.500", "4.000", "1.000", "10.000"});
}

TEST_F(CommaLocaleTest, SecondCalculateReadsTruncatedValues) {
    Calculate();
    ExpectBoxes({"16,000", "10,000", "4,000", "4,000", "40,000"});
    Calculate();  // 16,000 reads as 16 and 4,000 as 4
    ExpectBoxes({"16,000", "10,000", "4,000", "4,000", "40,000"});

    controls.Type(kBaseA, "6.5");
    controls.Type(kBaseC, "2");
    Calculate();
    ExpectBoxes({"6,500", "4,250", "2,000", "1,803", "17,000"});
    Calculate();  // 6,500 reads as 6
    ExpectBoxes({"6,000", "4,000", "2,000", "1,732", "16,000"});
}

TEST_F(WindowLogicTest, LoadEmptiesBoxesBeforeTheDefaults) {
    InMemoryControls fresh;
    for (Quantity q : kAllQuantities) fresh.boxes[q].text = "junk";
    WindowLogic freshLogic(fresh, [] { return NumberFormat{}; });
    fresh.onPairChanged = [&] {
        // Inside the nested pair change, ClearValues has already run.
        for (Quantity q : kAllQuantities) EXPECT_NE(fresh.boxes[q].text, "junk");
        freshLogic.PairChanged();
    };
    freshLogic.Load();
    EXPECT_EQ(fresh.pairChangedEvents, 1);
    for (Quantity q : kAllQuantities) {
        EXPECT_EQ(fresh.boxes[q].text.toStdString(), q == kBaseA ? "16" : q == kBaseC ? "4" : "");
    }
}

TEST(ExplanationText, HasTwentyCrLfLinesVerbatim) {
    const QString text = ToQString(texts::kExplanation);
    ASSERT_TRUE(text.endsWith(QStringLiteral("\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 20);
    EXPECT_EQ(text.count(QLatin1Char('\n')), 20);  // no bare line feed
    EXPECT_EQ(text.count(QLatin1Char('\r')), 20);  // no bare carriage return
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 21);  // the text ends with a line break
    EXPECT_TRUE(lines[20].isEmpty());
    EXPECT_TRUE(lines[4].isEmpty());
    EXPECT_TRUE(lines[5].isEmpty());
    for (int i = 0; i < 20; ++i) {
        if (i != 4 && i != 5) {
            EXPECT_FALSE(lines[i].isEmpty()) << "line " << i + 1;
        }
    }
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("В равнобедрения трапец ABCD")));
    EXPECT_EQ(lines[16], QStringLiteral("((a-c)/2)^2 +  (2*r)^2 = ((a+c)/2)^2"));
    EXPECT_EQ(lines[19], QStringLiteral("r=sqr(a*c)/2"));
}

TEST(AphorismText, HasThreeLinesEachEndingInABlank) {
    const QStringList lines = ToQString(texts::kAphorism).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(lines[i].endsWith(QLatin1Char(' '))) << i;
    EXPECT_EQ(lines[2], QStringLiteral("било. "));
}

}  // namespace
}  // namespace velmora
