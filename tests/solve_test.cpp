#include "solve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>

namespace velmora {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// The start-up figure: a = 16, b = 10, c = 4, r = 4, P = 40.
constexpr QuantityValues kStartupFigure{16, 10, 4, 4, 40};

// Only the pair's two values, the others set to something Solve must ignore.
QuantityValues Given(InputPair pair, double first, double second) {
    QuantityValues v{kNaN, kNaN, kNaN, kNaN, kNaN};
    v[PairAt(pair).first] = first;
    v[PairAt(pair).second] = second;
    return v;
}

TEST(PairTable, HoldsNineCaptionedPairsWithoutBAndP) {
    ASSERT_EQ(kPairCount, 9);
    const char* const captions[] = {"a, b", "a, c", "a, r", "a, P", "b, c",
                                    "b, r", "c, r", "c, P", "r, P"};
    std::set<std::pair<int, int>> seen;
    for (InputPair p = 0; p < kPairCount; ++p) {
        const PairDefinition& row = PairAt(p);
        EXPECT_EQ(row.caption, captions[p]);
        // Each caption is the two symbols joined by ", ", smaller index first.
        EXPECT_LT(row.first, row.second);
        EXPECT_EQ(std::string(row.caption), std::string(QuantitySymbol(row.first)) + ", " +
                                                std::string(QuantitySymbol(row.second)));
        EXPECT_FALSE(row.first == kLegB && row.second == kPerimeterP);
        seen.insert({row.first, row.second});
    }
    EXPECT_EQ(seen.size(), 9U);
    EXPECT_EQ(PairOf(kBaseA, kBaseC), 1);
    EXPECT_EQ(PairOf(kLegB, kPerimeterP), -1);
}

TEST(Solve, EveryPairRecoversTheStartupFigure) {
    for (InputPair p = 0; p < kPairCount; ++p) {
        const PairDefinition& row = PairAt(p);
        const SolveResult result =
            Solve(p, Given(p, kStartupFigure[row.first], kStartupFigure[row.second]));
        ASSERT_TRUE(result) << row.caption;
        EXPECT_EQ(*result, kStartupFigure) << row.caption;
    }
}

struct ValidCase {
    const char* what;
    InputPair pair;
    double first, second;
    QuantityValues expected;
};

TEST(Solve, AcceptsWhatTheTestsAllow) {
    const ValidCase cases[] = {
        {"negative bases without a test", 2, -16, 4, {-16, -10, -4, 4, -40}},
        {"negative bases of one sign", 1, -16, -4, {-16, -10, -4, 4, -40}},
        {"a need not be the longer base", 1, 4, 16, {4, 10, 16, 4, 40}},
        {"square under a, c", 1, 8, 8, {8, 8, 8, 4, 32}},
        {"degenerate b, r with r = 0", 5, 10, 0, {20, 10, 0, 0, 40}},
        {"degenerate r, P with r = 0", 8, 0, 40, {20, 10, 0, 0, 40}},
        {"degenerate a, r with r = 0", 2, 16, 0, {16, 8, 0, 0, 32}},
        {"negative r under b, r stays negative", 5, 10, -4, {16, 10, 4, -4, 40}},
        {"negative r under r, P stays negative", 8, -4, 40, {16, 10, 4, -4, 40}},
        {"c, r with P from 2(a + c)", 6, 4, 4, {16, 10, 4, 4, 40}},
    };
    for (const ValidCase& c : cases) {
        const SolveResult result = Solve(c.pair, Given(c.pair, c.first, c.second));
        ASSERT_TRUE(result) << c.what;
        for (int k = 0; k < kQuantityCount; ++k) {
            EXPECT_DOUBLE_EQ((*result)[k], c.expected[k]) << c.what << ", quantity " << k;
        }
    }
}

struct InvalidCase {
    const char* what;
    InputPair pair;
    double first, second;
};

TEST(Solve, ReportsInvalidData) {
    const InvalidCase cases[] = {
        {"a, b giving c = 0", 0, 20, 10},
        {"a, b giving c < 0", 0, 25, 10},
        {"b, r with D = 0 (a square)", 5, 8, 4},
        {"r, P with D = 0 (a square)", 8, 5, 40},
        {"b, r with D < 0", 5, 3, 4},
        {"bases of opposite signs", 1, -16, 4},
        {"a, r dividing by zero", 2, 0, 4},
        {"a, r dividing by negative zero", 2, -0.0, 4},
        {"a, r with 0 / 0", 2, 0, 0},
        {"c, r dividing by zero", 6, 0, 4},
        {"c, r dividing by negative zero", 6, -0.0, 4},
        {"a, r whose c overflows", 2, 1e-300, 1e200},
        {"c, r whose a overflows", 6, 1e-300, 1e200},
        {"a, b whose c overflows", 0, -1e308, 1e308},
        {"a, c whose product overflows", 1, 1e200, 1e200},
        {"b, r whose D overflows", 5, 1e200, 1},
        {"r, P whose P·P overflows", 8, 1, 1e200},
        {"infinite given value with no test", 2, kInf, 4},
        {"infinite given value", 1, kInf, 4},
        {"negative infinity", 3, -kInf, 40},
        {"not-a-number given", 6, kNaN, 4},
    };
    for (const InvalidCase& c : cases) {
        EXPECT_FALSE(Solve(c.pair, Given(c.pair, c.first, c.second))) << c.what;
    }
}

TEST(Solve, BothGivenZeroIsInvalidUnderEveryTestedPair) {
    for (InputPair p : {0, 1, 3, 4, 5, 7, 8}) {
        EXPECT_FALSE(Solve(p, Given(p, 0, 0))) << PairAt(p).caption;
    }
}

TEST(Solve, RejectsPairsOutsideTheTable) {
    EXPECT_FALSE(Solve(-1, kStartupFigure));
    EXPECT_FALSE(Solve(kPairCount, kStartupFigure));
}

TEST(Solve, KeepsTheGivenValuesBitForBit) {
    const double a = 0.1 + 0.2;  // not a short decimal
    const double c = 1.0 / 3.0;
    const SolveResult result = Solve(PairOf(kBaseA, kBaseC), Given(1, a, c));
    ASSERT_TRUE(result);
    EXPECT_EQ((*result)[kBaseA], a);
    EXPECT_EQ((*result)[kBaseC], c);
}

// The formulas are evaluated in their written order and grouping. These inputs
// give a different last bit under algebraically equal rewrites such as
// (4·r)·(r/a) or (P/2 − 4r)·(P/2 + 4r), so any "simplification" shows up here.
TEST(Solve, FollowsTheWrittenEvaluationOrder) {
    const volatile double r = 0.1;
    const volatile double a = 3.0;
    const volatile double c = 7.0;
    const volatile double P = 3.3;
    const volatile double b = 0.7;

    const SolveResult pair2 = Solve(PairOf(kBaseA, kRadiusR), Given(2, a, r));
    ASSERT_TRUE(pair2);
    const double c2 = ((4.0 * r) * r) / a;
    EXPECT_EQ((*pair2)[kBaseC], c2);
    EXPECT_EQ((*pair2)[kPerimeterP], 4.0 * ((a + c2) / 2.0));

    const SolveResult pair6 = Solve(PairOf(kBaseC, kRadiusR), Given(6, c, r));
    ASSERT_TRUE(pair6);
    const double a6 = ((4.0 * r) * r) / c;
    EXPECT_EQ((*pair6)[kBaseA], a6);
    EXPECT_EQ((*pair6)[kPerimeterP], 2.0 * (a6 + c));

    const SolveResult pair8 = Solve(PairOf(kRadiusR, kPerimeterP), Given(8, r, P));
    ASSERT_TRUE(pair8);
    const double D8 = (P * P) / 4.0 - (16.0 * r) * r;
    EXPECT_EQ((*pair8)[kBaseA], (P / 2.0 + std::sqrt(D8)) / 2.0);

    const SolveResult pair5 = Solve(PairOf(kLegB, kRadiusR), Given(5, b, r));
    ASSERT_TRUE(pair5);
    const double a5 = b + std::sqrt(b * b - (4.0 * r) * r);
    EXPECT_EQ((*pair5)[kBaseA], a5);
    EXPECT_EQ((*pair5)[kBaseC], 2.0 * b - a5);

    // The rewrites really differ for these inputs, or the checks above mean little.
    EXPECT_NE(c2, (4.0 * r) * (r / a));
    EXPECT_NE(D8, (P / 2.0 - 4.0 * r) * (P / 2.0 + 4.0 * r));
}

}  // namespace
}  // namespace velmora
