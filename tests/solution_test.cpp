#include "solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "in_memory_controls.h"
#include "test_text.h"
#include "window_logic.h"

namespace velmora {
namespace {

using testing::Utf8;

// One Calculate on the window's boxes: what it worked out, and that written out.
struct Solved {
    Calculation calculation;
    solution::Solution solution;
};

Solved Solve(const char* caption, const char* first, const char* second,
             const NumberFormat& format) {
    testing::InMemoryControls controls;
    WindowLogic logic(controls, [format] { return format; });
    controls.onPairChanged = [&logic] { logic.PairChanged(); };
    logic.Load();
    for (InputPair p = 0; p < kPairCount; ++p) {
        if (PairAt(p).caption == caption) controls.SelectPair(p);
    }
    const PairDefinition& pair = PairAt(controls.pair);
    controls.Type(pair.first, first);
    controls.Type(pair.second, second);
    logic.CommandClicked(kCalculateCommand);
    return {controls.working.value(), solution::SolutionOf(controls.working.value())};
}

struct SolutionCase {
    struct {
        const char* pair;
        const char* first;
        const char* second;
    } typed;
    std::string given;
    std::vector<std::string> steps;
    std::string closing;  // why no such trapezoid, or why no figure; empty: drawn to scale
};

TEST(Solution, WritesEachPairsStepsWithTheSolversNumbers) {
    const SolutionCase bulgarian[] = {
        {{"a, b", "16", "10"},
         "Дадено: a = 16,000; b = 10,000.",
         {"c = 2·b − a = 2·10,000 − 16,000 = 4,000", "P = 4·b = 4·10,000 = 40,000",
          "a·c = 16,000·4,000 = 64,000 > 0", "r = √(a·c) / 2 = √64,000 / 2 = 4,000"},
         ""},
        {{"a, b", "20", "10"},
         "Дадено: a = 20,000; b = 10,000.",
         {"c = 2·b − a = 2·10,000 − 20,000 = 0,000", "P = 4·b = 4·10,000 = 40,000",
          "a·c = 20,000·0,000 = 0,000 ≤ 0"},
         "Основа, равна на 0, не е възможна. Такъв трапец не съществува."},
        {{"a, b", "25", "10"},
         "Дадено: a = 25,000; b = 10,000.",
         {"c = 2·b − a = 2·10,000 − 25,000 = -5,000", "P = 4·b = 4·10,000 = 40,000",
          "a·c = 25,000·(-5,000) = -125,000 ≤ 0"},
         "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв трапец не "
         "съществува."},
        {{"a, c", "16", "4"},
         "Дадено: a = 16,000; c = 4,000.",
         {"b = (a + c) / 2 = (16,000 + 4,000) / 2 = 10,000", "P = 4·b = 4·10,000 = 40,000",
          "a·c = 16,000·4,000 = 64,000 > 0", "r = √(a·c) / 2 = √64,000 / 2 = 4,000"},
         ""},
        {{"a, c", "0", "4"},
         "Дадено: a = 0,000; c = 4,000.",
         {"b = (a + c) / 2 = (0,000 + 4,000) / 2 = 2,000", "P = 4·b = 4·2,000 = 8,000",
          "a·c = 0,000·4,000 = 0,000 ≤ 0"},
         "Основа, равна на 0, не е възможна. Такъв трапец не съществува."},
        {{"a, c", "-16", "4"},
         "Дадено: a = -16,000; c = 4,000.",
         {"b = (a + c) / 2 = (-16,000 + 4,000) / 2 = -6,000", "P = 4·b = 4·(-6,000) = -24,000",
          "a·c = -16,000·4,000 = -64,000 ≤ 0"},
         "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв трапец не "
         "съществува."},
        {{"a, c", "1e-200", "1e-200"},  // a·c below the smallest double
         "Дадено: a = 0,000; c = 0,000.",
         {"b = (a + c) / 2 = (0,000 + 0,000) / 2 = 0,000", "P = 4·b = 4·0,000 = 0,000",
          "a·c = 0,000·0,000 = 0,000 ≤ 0"},
         "Резултатът излиза извън обхвата на числата, с които програмата смята."},
        {{"a, c", "4", "1.234,5"},
         "Дадено: a = 4,000; c = „1.234,5“.",
         {},
         "Текстът „1.234,5“ в полето c може да се прочете като две различни числа."},
        {{"a, c", "4", "-1e400"},
         "Дадено: a = 4,000; c = „-1e400“.",
         {},
         "Числото в полето c е извън обхвата на числата, с които програмата смята."},
        // What was typed is quoted whole up to 24 characters, then shortened.
        {{"a, c", "000000000000000001.234,5", "4"},
         "Дадено: a = „000000000000000001.234,5“; c = 4,000.",
         {},
         "Текстът „000000000000000001.234,5“ в полето a може да се прочете като две различни "
         "числа."},
        {{"a, c", "0000000000000000001.234,5", "4"},
         "Дадено: a = „0000000000000000001.234,…“; c = 4,000.",
         {},
         "Текстът „0000000000000000001.234,…“ в полето a може да се прочете като две различни "
         "числа."},
        {{"a, r", "0", "4"},
         "Дадено: a = 0,000; r = 4,000.",
         {"c = 4·r² / a = 4·4,000² / 0,000"},
         "На 0 не се дели, а основата a е 0. Такъв трапец не съществува."},
        {{"a, r", "-16", "0.001"},  // c is negative, but shows as 0
         "Дадено: a = -16,000; r = 0,001.",
         {"c = 4·r² / a = 4·0,001² / (-16,000) = 0,000",
          "b = (a + c) / 2 = (-16,000 + 0,000) / 2 = -8,000", "P = 4·b = 4·(-8,000) = -32,000"},
         "Няма чертеж в мащаб: дължината a = -16,000 не е положителна."},
        {{"a, r", "-16", "4"},
         "Дадено: a = -16,000; r = 4,000.",
         {"c = 4·r² / a = 4·4,000² / (-16,000) = -4,000",
          "b = (a + c) / 2 = (-16,000 + (-4,000)) / 2 = -10,000",
          "P = 4·b = 4·(-10,000) = -40,000"},
         "Няма чертеж в мащаб: дължината a = -16,000 не е положителна."},
        {{"a, P", "16", "40"},
         "Дадено: a = 16,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000", "c = 2·b − a = 2·10,000 − 16,000 = 4,000",
          "a·c = 16,000·4,000 = 64,000 > 0", "r = √(a·c) / 2 = √64,000 / 2 = 4,000"},
         ""},
        {{"b, c", "10", "4"},
         "Дадено: b = 10,000; c = 4,000.",
         {"a = 2·b − c = 2·10,000 − 4,000 = 16,000", "P = 4·b = 4·10,000 = 40,000",
          "a·c = 16,000·4,000 = 64,000 > 0", "r = √(a·c) / 2 = √64,000 / 2 = 4,000"},
         ""},
        {{"b, c", "1.234,5", "4"},
         "Дадено: b = „1.234,5“; c = 4,000.",
         {},
         "Текстът „1.234,5“ в полето b може да се прочете като две различни числа."},
        {{"b, r", "10", "4"},
         "Дадено: b = 10,000; r = 4,000.",
         {"P = 4·b = 4·10,000 = 40,000", "D = b² − 4·r² = 10,000² − 4·4,000² = 36,000 > 0",
          "a = b + √D = 10,000 + √36,000 = 16,000", "c = 2·b − a = 2·10,000 − 16,000 = 4,000"},
         ""},
        {{"b, r", "8", "4"},
         "Дадено: b = 8,000; r = 4,000.",
         {"P = 4·b = 4·8,000 = 32,000", "D = b² − 4·r² = 8,000² − 4·4,000² = 0,000 ≤ 0"},
         "При D = 0 основите са равни (a = c), бедрата са перпендикулярни на тях и фигурата е "
         "квадрат, а не трапец."},
        {{"b, r", "-10", "6"},
         "Дадено: b = -10,000; r = 6,000.",
         {"P = 4·b = 4·(-10,000) = -40,000", "D = b² − 4·r² = (-10,000)² − 4·6,000² = -44,000 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"b, r", "10", "-6"},
         "Дадено: b = 10,000; r = -6,000.",
         {"P = 4·b = 4·10,000 = 40,000", "D = b² − 4·r² = 10,000² − 4·(-6,000)² = -44,000 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"b, r", "10", "6"},
         "Дадено: b = 10,000; r = 6,000.",
         {"P = 4·b = 4·10,000 = 40,000", "D = b² − 4·r² = 10,000² − 4·6,000² = -44,000 ≤ 0"},
         "Височината 2·r е по-голяма от бедрото b, а това в трапец е невъзможно. Такъв трапец не "
         "съществува."},
        {{"c, r", "4", "4"},
         "Дадено: c = 4,000; r = 4,000.",
         {"a = 4·r² / c = 4·4,000² / 4,000 = 16,000",
          "b = (a + c) / 2 = (16,000 + 4,000) / 2 = 10,000",
          "P = 2·(a + c) = 2·(16,000 + 4,000) = 40,000"},
         ""},
        {{"c, r", "0", "4"},
         "Дадено: c = 0,000; r = 4,000.",
         {"a = 4·r² / c = 4·4,000² / 0,000"},
         "На 0 не се дели, а основата c е 0. Такъв трапец не съществува."},
        {{"c, r", "4", "-4"},
         "Дадено: c = 4,000; r = -4,000.",
         {"a = 4·r² / c = 4·(-4,000)² / 4,000 = 16,000",
          "b = (a + c) / 2 = (16,000 + 4,000) / 2 = 10,000",
          "P = 2·(a + c) = 2·(16,000 + 4,000) = 40,000"},
         "Няма чертеж в мащаб: дължината r = -4,000 не е положителна."},
        {{"c, P", "4", "40"},
         "Дадено: c = 4,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000", "a = P / 2 − c = 40,000 / 2 − 4,000 = 16,000",
          "a·c = 16,000·4,000 = 64,000 > 0", "r = √(a·c) / 2 = √64,000 / 2 = 4,000"},
         ""},
        {{"r, P", "4", "40"},
         "Дадено: r = 4,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000",
          "D = P² / 4 − 16·r² = 40,000² / 4 − 16·4,000² = 144,000 > 0",
          "a = (P / 2 + √D) / 2 = (40,000 / 2 + √144,000) / 2 = 16,000",
          "c = 2·b − a = 2·10,000 − 16,000 = 4,000"},
         ""},
        {{"r, P", "5", "40"},
         "Дадено: r = 5,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000",
          "D = P² / 4 − 16·r² = 40,000² / 4 − 16·5,000² = 0,000 ≤ 0"},
         "При D = 0 основите са равни (a = c), бедрата са перпендикулярни на тях и фигурата е "
         "квадрат, а не трапец."},
        {{"r, P", "6", "40"},
         "Дадено: r = 6,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000",
          "D = P² / 4 − 16·r² = 40,000² / 4 − 16·6,000² = -176,000 ≤ 0"},
         "Височината 2·r е по-голяма от бедрото b, а това в трапец е невъзможно. Такъв трапец не "
         "съществува."},
        {{"r, P", "-6", "40"},
         "Дадено: r = -6,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000",
          "D = P² / 4 − 16·r² = 40,000² / 4 − 16·(-6,000)² = -176,000 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"r, P", "0", "40"},
         "Дадено: r = 0,000; P = 40,000.",
         {"b = P / 4 = 40,000 / 4 = 10,000",
          "D = P² / 4 − 16·r² = 40,000² / 4 − 16·0,000² = 400,000 > 0",
          "a = (P / 2 + √D) / 2 = (40,000 / 2 + √400,000) / 2 = 20,000",
          "c = 2·b − a = 2·10,000 − 20,000 = 0,000"},
         "Няма чертеж в мащаб: дължината c = 0,000 не е положителна."},
        {{"a, r", "1e-320", "1"},
         "Дадено: a = 0,000; r = 1,000.",
         {"c = 4·r² / a = 4·1,000² / 0,000"},
         "Резултатът излиза извън обхвата на числата, с които програмата смята."},
        {{"a, c", "1e400", "4"},
         "Дадено: a = „1e400“; c = 4,000.",
         {},
         "Числото в полето a е извън обхвата на числата, с които програмата смята."},
    };
    const SolutionCase english{
        {"a, c", "1234.5", "0.5"},
        "Дадено: a = 1,234.500; c = 0.500.",
        {"b = (a + c) / 2 = (1,234.500 + 0.500) / 2 = 617.500", "P = 4·b = 4·617.500 = 2,470.000",
         "a·c = 1,234.500·0.500 = 617.250 > 0", "r = √(a·c) / 2 = √617.250 / 2 = 12.422"},
        ""};

    // Where the region writes negatives in parentheses, they need no more of them.
    const SolutionCase parentheses{{"a, r", "-16", "4"},
                                   "Дадено: a = (16.000); r = 4.000.",
                                   {"c = 4·r² / a = 4·4.000² / (16.000) = (4.000)",
                                    "b = (a + c) / 2 = ((16.000) + (4.000)) / 2 = (10.000)",
                                    "P = 4·b = 4·(10.000) = (40.000)"},
                                   "Няма чертеж в мащаб: дължината a = (16.000) не е положителна."};
    NumberFormat parenthesesFormat = testing::EnglishFormat();
    parenthesesFormat.negativeStyle = NegativeStyle::Parentheses;

    const auto check = [](const SolutionCase& c, const NumberFormat& format, const char* region) {
        const auto& [pair, first, second] = c.typed;
        const solution::Solution s = Solve(pair, first, second, format).solution;
        SCOPED_TRACE(std::string(region) + " " + pair + " " + first + ", " + second);
        EXPECT_EQ(Utf8(s.given), c.given);
        std::vector<std::string> steps;
        for (const solution::Step& step : s.Steps()) steps.push_back(Utf8(step.Text()));
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(Utf8(s.verdict.empty() ? s.noFigure : s.verdict), c.closing);
        // An answer exactly where the data describe a figure, drawn where it can be.
        EXPECT_EQ(s.answer.empty(), !s.verdict.empty());
        EXPECT_EQ(s.figure.has_value(), c.closing.empty());
    };
    for (const SolutionCase& c : bulgarian) check(c, testing::BulgarianFormat(), "bg-BG");
    check(english, testing::EnglishFormat(), "en-US");
    check(parentheses, parenthesesFormat, "en-US, (1.5)");
}

TEST(Solution, AnswersWithAllFiveInTheBoxesFormat) {
    const solution::Solution s = Solve("a, c", "16", "4", testing::BulgarianFormat()).solution;
    EXPECT_EQ(Utf8(s.answer), "Отговор: a = 16,000; b = 10,000; c = 4,000; r = 4,000; P = 40,000.");
    // What a screen reader says of the figure, each value in its place.
    ASSERT_TRUE(s.figure.has_value());
    EXPECT_EQ(Utf8(s.figure->description),
              "Равнобедрен трапец ABCD: долна основа a = 16,000, горна основа c = 4,000, бедра "
              "b = 10,000 и вписана окръжност с радиус r = 4,000, която допира четирите страни.");
}

// The figure keeps the values' proportions, and its circle really is inscribed.
TEST(Solution, DrawsTheTrapezoidToScale) {
    const struct {
        const char* pair;
        const char* first;
        const char* second;
    } figures[] = {{"a, c", "16", "4"},
                   {"a, c", "4", "16"},
                   {"a, c", "9", "9"},
                   {"b, r", "1000", "1"},
                   {"a, b", "0.003", "7"}};
    for (const auto& f : figures) {
        SCOPED_TRACE(std::string(f.pair) + " " + f.first + ", " + f.second);
        const Solved solved = Solve(f.pair, f.first, f.second, testing::EnglishFormat());
        ASSERT_TRUE(solved.solution.figure.has_value());
        const solution::ScaledFigure& d = *solved.solution.figure;
        const QuantityValues& v = solved.calculation.working.values;
        const auto [A, B, C, D] = d.corners;
        const double a = B.x - A.x;
        const double c = C.x - D.x;
        const double height = A.y - D.y;
        const double radius = d.radius;
        EXPECT_NEAR(c / a, v[kBaseC] / v[kBaseA], 1e-9 * c / a);
        EXPECT_NEAR(height / a, 2 * v[kRadiusR] / v[kBaseA], 1e-9 * height / a);
        EXPECT_NEAR(height, 2 * radius, 1e-9 * height);
        EXPECT_NEAR(d.centre.y - radius, D.y, 1e-9 * height);  // touches c
        EXPECT_NEAR(d.centre.y + radius, A.y, 1e-9 * height);  // touches a
        EXPECT_NEAR(A.y, B.y, 0.0);
        EXPECT_NEAR(C.y, D.y, 0.0);
        // The radius drawn from the centre down to the base a, at right angles.
        EXPECT_EQ(d.radiusFoot.x, d.centre.x);
        EXPECT_EQ(d.radiusFoot.y, A.y);
        // Touches the leg AD: the centre's distance from that line is r.
        const double legX = D.x - A.x;
        const double legY = D.y - A.y;
        const double distance = std::fabs(legX * (d.centre.y - A.y) - legY * (d.centre.x - A.x)) /
                                std::hypot(legX, legY);
        EXPECT_NEAR(distance, radius, 1e-9 * (a + c));
        // Equal legs, and all inside the drawing.
        EXPECT_NEAR(A.x + B.x, C.x + D.x, 1e-9 * (a + c));
        for (const figure::Point p : d.corners) {
            EXPECT_GT(p.x, 0);
            EXPECT_LT(p.x, d.width);
            EXPECT_GT(p.y, 0);
            EXPECT_LT(p.y, d.height);
        }
    }
}

}  // namespace
}  // namespace velmora
