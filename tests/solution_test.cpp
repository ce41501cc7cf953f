#include "solution.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "exact_working.h"
#include "figure_drag.h"
#include "in_memory_controls.h"
#include "number_text.h"
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
         "Дадено: a = 16; b = 10.",
         {"c = 2·b − a = 2·10 − 16 = 4", "P = 4·b = 4·10 = 40", "a·c = 16·4 = 64 > 0",
          "r = √(a·c) / 2 = √64 / 2 = 8 / 2 = 4"},
         ""},
        {{"a, b", "20", "10"},
         "Дадено: a = 20; b = 10.",
         {"c = 2·b − a = 2·10 − 20 = 0", "P = 4·b = 4·10 = 40", "a·c = 20·0 = 0 ≤ 0"},
         "Основа, равна на 0, не е възможна. Такъв трапец не съществува."},
        {{"a, b", "25", "10"},
         "Дадено: a = 25; b = 10.",
         {"c = 2·b − a = 2·10 − 25 = -5", "P = 4·b = 4·10 = 40", "a·c = 25·(-5) = -125 ≤ 0"},
         "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв трапец не "
         "съществува."},
        {{"a, c", "16", "4"},
         "Дадено: a = 16; c = 4.",
         {"b = (a + c) / 2 = (16 + 4) / 2 = 10", "P = 4·b = 4·10 = 40", "a·c = 16·4 = 64 > 0",
          "r = √(a·c) / 2 = √64 / 2 = 8 / 2 = 4"},
         ""},
        {{"a, c", "0", "4"},
         "Дадено: a = 0; c = 4.",
         {"b = (a + c) / 2 = (0 + 4) / 2 = 2", "P = 4·b = 4·2 = 8", "a·c = 0·4 = 0 ≤ 0"},
         "Основа, равна на 0, не е възможна. Такъв трапец не съществува."},
        {{"a, c", "-16", "4"},
         "Дадено: a = -16; c = 4.",
         {"b = (a + c) / 2 = (-16 + 4) / 2 = -6", "P = 4·b = 4·(-6) = -24",
          "a·c = -16·4 = -64 ≤ 0"},
         "Основите a и c са с различни знаци, а дължина не може да е отрицателна. Такъв трапец не "
         "съществува."},
        // Beyond what is held exactly: the boxes' numbers, each rounded one after «≈».
        {{"a, c", "1e-200", "1e-200"},
         "Дадено: a ≈ 0,000; c ≈ 0,000.",
         {"b = (a + c) / 2 ≈ (0,000 + 0,000) / 2 ≈ 0,000", "P = 4·b ≈ 4·0,000 ≈ 0,000",
          "a·c ≈ 0,000·0,000 ≈ 0,000 ≤ 0"},
         "Резултатът излиза извън обхвата на числата, с които програмата смята."},
        {{"a, c", "4", "1.234,5"},
         "Дадено: a = 4; c = „1.234,5“.",
         {},
         "Текстът „1.234,5“ в полето c може да се прочете като две различни числа."},
        {{"a, c", "4", "-1e400"},
         "Дадено: a = 4; c = „-1e400“.",
         {},
         "Числото в полето c е извън обхвата на числата, с които програмата смята."},
        // What was typed is quoted whole up to 24 characters, then shortened.
        {{"a, c", "000000000000000001.234,5", "4"},
         "Дадено: a = „000000000000000001.234,5“; c = 4.",
         {},
         "Текстът „000000000000000001.234,5“ в полето a може да се прочете като две различни "
         "числа."},
        {{"a, c", "0000000000000000001.234,5", "4"},
         "Дадено: a = „0000000000000000001.234,…“; c = 4.",
         {},
         "Текстът „0000000000000000001.234,…“ в полето a може да се прочете като две различни "
         "числа."},
        // Never inside a character: 𝟏 is two UTF-16 units, the 24th and 25th.
        {{"a, c", "1.234,5xxxxxxxxxxxxxxxx𝟏", "4"},
         "Дадено: a = „1.234,5xxxxxxxxxxxxxxxx…“; c = 4.",
         {},
         "Текстът „1.234,5xxxxxxxxxxxxxxxx…“ в полето a може да се прочете като две различни "
         "числа."},
        {{"a, r", "0", "4"},
         "Дадено: a = 0; r = 4.",
         {"c = 4·r² / a = 4·4² / 0"},
         "На 0 не се дели, а основата a е 0. Такъв трапец не съществува."},
        // c is negative, but its three decimals show 0.
        {{"a, r", "-16", "0.001"},
         "Дадено: a = -16; r = 0,001.",
         {"c = 4·r² / a = 4·0,001² / (-16) = -1/4\u00a0000\u00a0000 ≈ 0,000",
          "b = (a + c) / 2 = (-16 + (-1/4\u00a0000\u00a0000)) / 2 = "
          "-64\u00a0000\u00a0001/8\u00a0000\u00a0000 ≈ -8,000",
          "P = 4·b = 4·(-64\u00a0000\u00a0001/8\u00a0000\u00a0000) = "
          "-64\u00a0000\u00a0001/2\u00a0000\u00a0000 ≈ -32,000"},
         "Няма чертеж в мащаб: дължината a = -16 не е положителна."},
        {{"a, r", "-16", "4"},
         "Дадено: a = -16; r = 4.",
         {"c = 4·r² / a = 4·4² / (-16) = -4", "b = (a + c) / 2 = (-16 + (-4)) / 2 = -10",
          "P = 4·b = 4·(-10) = -40"},
         "Няма чертеж в мащаб: дължината a = -16 не е положителна."},
        {{"a, P", "16", "40"},
         "Дадено: a = 16; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "c = 2·b − a = 2·10 − 16 = 4", "a·c = 16·4 = 64 > 0",
          "r = √(a·c) / 2 = √64 / 2 = 8 / 2 = 4"},
         ""},
        {{"b, c", "10", "4"},
         "Дадено: b = 10; c = 4.",
         {"a = 2·b − c = 2·10 − 4 = 16", "P = 4·b = 4·10 = 40", "a·c = 16·4 = 64 > 0",
          "r = √(a·c) / 2 = √64 / 2 = 8 / 2 = 4"},
         ""},
        {{"b, c", "1.234,5", "4"},
         "Дадено: b = „1.234,5“; c = 4.",
         {},
         "Текстът „1.234,5“ в полето b може да се прочете като две различни числа."},
        {{"b, r", "10", "4"},
         "Дадено: b = 10; r = 4.",
         {"P = 4·b = 4·10 = 40", "D = b² − 4·r² = 10² − 4·4² = 36 > 0",
          "a = b + √D = 10 + √36 = 10 + 6 = 16", "c = 2·b − a = 2·10 − 16 = 4"},
         ""},
        {{"b, r", "8", "4"},
         "Дадено: b = 8; r = 4.",
         {"P = 4·b = 4·8 = 32", "D = b² − 4·r² = 8² − 4·4² = 0 ≤ 0"},
         "При D = 0 основите са равни (a = c), бедрата са перпендикулярни на тях и фигурата е "
         "квадрат, а не трапец."},
        {{"b, r", "-10", "6"},
         "Дадено: b = -10; r = 6.",
         {"P = 4·b = 4·(-10) = -40", "D = b² − 4·r² = (-10)² − 4·6² = -44 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"b, r", "10", "-6"},
         "Дадено: b = 10; r = -6.",
         {"P = 4·b = 4·10 = 40", "D = b² − 4·r² = 10² − 4·(-6)² = -44 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"b, r", "10", "6"},
         "Дадено: b = 10; r = 6.",
         {"P = 4·b = 4·10 = 40", "D = b² − 4·r² = 10² − 4·6² = -44 ≤ 0"},
         "Височината 2·r е по-голяма от бедрото b, а това в трапец е невъзможно. Такъв трапец не "
         "съществува."},
        {{"c, r", "4", "4"},
         "Дадено: c = 4; r = 4.",
         {"a = 4·r² / c = 4·4² / 4 = 16", "b = (a + c) / 2 = (16 + 4) / 2 = 10",
          "P = 2·(a + c) = 2·(16 + 4) = 40"},
         ""},
        {{"c, r", "0", "4"},
         "Дадено: c = 0; r = 4.",
         {"a = 4·r² / c = 4·4² / 0"},
         "На 0 не се дели, а основата c е 0. Такъв трапец не съществува."},
        {{"c, r", "4", "-4"},
         "Дадено: c = 4; r = -4.",
         {"a = 4·r² / c = 4·(-4)² / 4 = 16", "b = (a + c) / 2 = (16 + 4) / 2 = 10",
          "P = 2·(a + c) = 2·(16 + 4) = 40"},
         "Няма чертеж в мащаб: дължината r = -4 не е положителна."},
        {{"c, P", "4", "40"},
         "Дадено: c = 4; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "a = P / 2 − c = 40 / 2 − 4 = 16", "a·c = 16·4 = 64 > 0",
          "r = √(a·c) / 2 = √64 / 2 = 8 / 2 = 4"},
         ""},
        {{"r, P", "4", "40"},
         "Дадено: r = 4; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "D = P² / 4 − 16·r² = 40² / 4 − 16·4² = 144 > 0",
          "a = (P / 2 + √D) / 2 = (40 / 2 + √144) / 2 = (40 / 2 + 12) / 2 = 16",
          "c = 2·b − a = 2·10 − 16 = 4"},
         ""},
        {{"r, P", "5", "40"},
         "Дадено: r = 5; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "D = P² / 4 − 16·r² = 40² / 4 − 16·5² = 0 ≤ 0"},
         "При D = 0 основите са равни (a = c), бедрата са перпендикулярни на тях и фигурата е "
         "квадрат, а не трапец."},
        {{"r, P", "6", "40"},
         "Дадено: r = 6; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "D = P² / 4 − 16·r² = 40² / 4 − 16·6² = -176 ≤ 0"},
         "Височината 2·r е по-голяма от бедрото b, а това в трапец е невъзможно. Такъв трапец не "
         "съществува."},
        {{"r, P", "-6", "40"},
         "Дадено: r = -6; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "D = P² / 4 − 16·r² = 40² / 4 − 16·(-6)² = -176 ≤ 0"},
         "|2·r| > |b|: височината е по-голяма от бедрото, а това в трапец е невъзможно. Такъв "
         "трапец не съществува."},
        {{"r, P", "0", "40"},
         "Дадено: r = 0; P = 40.",
         {"b = P / 4 = 40 / 4 = 10", "D = P² / 4 − 16·r² = 40² / 4 − 16·0² = 400 > 0",
          "a = (P / 2 + √D) / 2 = (40 / 2 + √400) / 2 = (40 / 2 + 20) / 2 = 20",
          "c = 2·b − a = 2·10 − 20 = 0"},
         "Няма чертеж в мащаб: дължината c = 0 не е положителна."},
        {{"a, r", "1e-320", "1"},
         "Дадено: a ≈ 0,000; r = 1.",
         {"c = 4·r² / a ≈ 4·1,000² / 0,000"},
         "Резултатът излиза извън обхвата на числата, с които програмата смята."},
        {{"a, c", "1e400", "4"},
         "Дадено: a = „1e400“; c = 4.",
         {},
         "Числото в полето a е извън обхвата на числата, с които програмата смята."},
    };
    const SolutionCase english{
        {"a, c", "1234.5", "0.5"},
        "Дадено: a = 1,234.5; c = 0.5.",
        {"b = (a + c) / 2 = (1,234.5 + 0.5) / 2 = 617.5", "P = 4·b = 4·617.5 = 2,470",
         "a·c = 1,234.5·0.5 = 617.25 > 0",
         "r = √(a·c) / 2 = √617.25 / 2 = (√2,469/2) / 2 = √2,469/4 ≈ 12.422"},
        ""};

    // Where the region writes negatives in parentheses, they need no more of them.
    const SolutionCase parentheses[] = {
        {{"a, r", "-16", "4"},
         "Дадено: a = (16); r = 4.",
         {"c = 4·r² / a = 4·4² / (16) = (4)", "b = (a + c) / 2 = ((16) + (4)) / 2 = (10)",
          "P = 4·b = 4·(10) = (40)"},
         "Няма чертеж в мащаб: дължината a = (16) не е положителна."},
        {{"b, r", "-3", "1"},
         "Дадено: b = (3); r = 1.",
         {"P = 4·b = 4·(3) = (12)", "D = b² − 4·r² = (3)² − 4·1² = 5 > 0",
          "a = b + √D = (3) + √5 ≈ (0.764)",
          "c = 2·b − a = 2·(3) − ((3) + √5) = (3) − √5 ≈ (5.236)"},
         "Няма чертеж в мащаб: дължината a = (3) + √5 ≈ (0.764) не е положителна."},
    };
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
    for (const SolutionCase& c : parentheses) check(c, parenthesesFormat, "en-US, (1.5)");
}

// Problems as a textbook sets them, one or more for each pair, with the
// answers it prints: exact, and «≈» only after a rounded number.
TEST(Solution, AnswersTextbookProblemsExactly) {
    const struct {
        const char* pair;
        const char* first;
        const char* second;
        const char* answer;
    } problems[] = {
        {"a, c", "6", "4", "Отговор: a = 6; b = 5; c = 4; r = √6 ≈ 2,449; P = 20."},
        {"a, c", "16", "4", "Отговор: a = 16; b = 10; c = 4; r = 4; P = 40."},
        {"a, c", "0,5", "0,02", "Отговор: a = 0,5; b = 0,26; c = 0,02; r = 0,05; P = 1,04."},
        {"b, r", "5", "2", "Отговор: a = 8; b = 5; c = 2; r = 2; P = 20."},
        {"b, r", "5", "2,4", "Отговор: a = 6,4; b = 5; c = 3,6; r = 2,4; P = 20."},
        {"b, r", "3", "1",
         "Отговор: a = 3 + √5 ≈ 5,236; b = 3; c = 3 − √5 ≈ 0,764; r = 1; P = 12."},
        {"r, P", "2", "20", "Отговор: a = 8; b = 5; c = 2; r = 2; P = 20."},
        {"r, P", "1", "9",
         "Отговор: a = (9 + √17)/4 ≈ 3,281; b = 2,25; c = (9 − √17)/4 ≈ 1,219; r = 1; P = 9."},
        {"a, r", "3", "2",
         "Отговор: a = 3; b = 25/6 ≈ 4,167; c = 16/3 ≈ 5,333; r = 2; P = 50/3 ≈ 16,667."},
        {"a, b", "2", "1,5", "Отговор: a = 2; b = 1,5; c = 1; r = √2/2 ≈ 0,707; P = 6."},
        {"a, P", "9", "28", "Отговор: a = 9; b = 7; c = 5; r = 3√5/2 ≈ 3,354; P = 28."},
        {"b, c", "6,5", "4", "Отговор: a = 9; b = 6,5; c = 4; r = 3; P = 26."},
        {"c, r", "2", "3", "Отговор: a = 18; b = 10; c = 2; r = 3; P = 40."},
        {"c, P", "3", "20", "Отговор: a = 7; b = 5; c = 3; r = √21/2 ≈ 2,291; P = 20."},
    };
    for (const auto& p : problems) {
        const solution::Solution s =
            Solve(p.pair, p.first, p.second, testing::BulgarianFormat()).solution;
        EXPECT_EQ(Utf8(s.answer), p.answer) << p.pair << " " << p.first << ", " << p.second;
    }
    // The root as the book simplifies it, each form once; a square root that
    // comes out whole, as the pupil works it.
    const auto steps = [](const char* pair, const char* first, const char* second) {
        std::vector<std::string> lines;
        const solution::Solution s =
            Solve(pair, first, second, testing::BulgarianFormat()).solution;
        for (const solution::Step& step : s.Steps()) lines.push_back(Utf8(step.Text()));
        return lines;
    };
    EXPECT_EQ(steps("a, c", "6", "4").back(), "r = √(a·c) / 2 = √24 / 2 = 2√6 / 2 = √6 ≈ 2,449");
    EXPECT_EQ(steps("b, r", "5", "2")[2], "a = b + √D = 5 + √9 = 5 + 3 = 8");
    EXPECT_EQ(steps("a, c", "0.1", "0.2").back(),
              "r = √(a·c) / 2 = √0,02 / 2 = (√2/10) / 2 = √2/20 ≈ 0,071");
    EXPECT_EQ(steps("a, c", "0,0001", "0,001").back(),
              "r = √(a·c) / 2 = √(1/10\u00a0000\u00a0000) / 2 = (√10/10\u00a0000) / 2 = "
              "√10/20\u00a0000 ≈ 0,000");
    EXPECT_EQ(steps("b, r", "0,001", "0,0001")[2],
              "a = b + √D = 0,001 + √(3/3\u00a0125\u00a0000) = 0,001 + √6/2500 = (5 + 2√6)/5000 ≈ "
              "0,002");
    // Fractions kept whole where they are multiplied or taken further.
    EXPECT_EQ(steps("a, r", "3", "2"),
              (std::vector<std::string>{"c = 4·r² / a = 4·2² / 3 = 16/3 ≈ 5,333",
                                        "b = (a + c) / 2 = (3 + 16/3) / 2 = 25/6 ≈ 4,167",
                                        "P = 4·b = 4·(25/6) = 50/3 ≈ 16,667"}));

    // What a screen reader says of the figure keeps the boxes' decimals.
    const solution::Solution s = Solve("a, c", "16", "4", testing::BulgarianFormat()).solution;
    ASSERT_TRUE(s.figure.has_value());
    EXPECT_EQ(Utf8(s.figure->description),
              "Равнобедрен трапец ABCD: долна основа a = 16,000, горна основа c = 4,000, бедра "
              "b = 10,000 и вписана окръжност с радиус r = 4,000, която допира четирите страни.");
}

// Each form of number as a textbook prints it, in the region's own signs.
TEST(Solution, WritesEachFormOfNumberAsATextbookPrintsIt) {
    using exact::Number;
    using exact::Rational;
    const auto q = [](std::int64_t n, std::int64_t d) {
        return *exact::Div(Rational::Whole(n), Rational::Whole(d));
    };
    const auto root = [](const Rational& p, const Rational& k, std::uint64_t m) {
        return *Number::Of(p, k, m);
    };
    NumberFormat parentheses = testing::EnglishFormat();
    parentheses.negativeStyle = NegativeStyle::Parentheses;
    const struct {
        Number x;
        const char* bulgarian;
        const char* english;
        const char* inParentheses;
    } rows[] = {
        {Number(q(12345, 1)), "12\u00a0345", "12,345", "12,345"},
        {Number(q(-1, 8)), "-0,125", "-0.125", "(0.125)"},
        {Number(q(-4, 3)), "-4/3", "-4/3", "(4/3)"},
        {Number(q(1, 1'000'000)), "0,000001", "0.000001", "0.000001"},
        {Number(q(1, 2'000'000)), "1/2\u00a0000\u00a0000", "1/2,000,000", "1/2,000,000"},
        {root(Rational(), q(-1, 2), 2), "-√2/2", "-√2/2", "(√2/2)"},
        {root(Rational(), q(3, 1), 10), "3√10", "3√10", "3√10"},
        {root(q(5, 2), q(-3, 1), 6), "2,5 − 3√6", "2.5 − 3√6", "2.5 − 3√6"},
        {root(q(-5, 2), q(1, 2), 6), "(-5 + √6)/2", "(-5 + √6)/2", "((5) + √6)/2"},
        {root(q(1, 3), q(1, 1), 6), "(1 + 3√6)/3", "(1 + 3√6)/3", "(1 + 3√6)/3"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(Utf8(solution::TextOf(row.x, testing::BulgarianFormat()).text), row.bulgarian);
        EXPECT_EQ(Utf8(solution::TextOf(row.x, testing::EnglishFormat()).text), row.english);
        EXPECT_EQ(Utf8(solution::TextOf(row.x, parentheses).text), row.inParentheses);
    }
}

// Six significant digits, six of them decimals at the most: what a school
// book writes is always worked out exactly, at the largest numbers it makes.
TEST(Solution, WorksOutEveryTextbookValueExactly) {
    const struct {
        const char* pair;
        const char* first;
        const char* second;
    } extremes[] = {
        {"b, r", "999999", "0,123456"}, {"r, P", "0,123456", "999999"},
        {"a, r", "999999", "0,000001"}, {"a, r", "0,000001", "999999"},
        {"c, r", "0,000001", "999999"}, {"a, c", "999999", "0,999999"},
        {"a, b", "0,000001", "999999"}, {"c, P", "0,000001", "999999"},
    };
    for (const auto& e : extremes) {
        const Solved solved = Solve(e.pair, e.first, e.second, testing::BulgarianFormat());
        EXPECT_TRUE(solution::WorkExactly(solved.calculation).has_value())
            << e.pair << " " << e.first << ", " << e.second;
    }
}

// Beyond what the exact numbers hold, the working writes the boxes' numbers,
// and «≈» wherever one is rounded: never an «=» between unequal numbers.
TEST(Solution, FallsBackToTheBoxesNumbersWhereTheyAreTooLong) {
    const solution::Solution huge = Solve("a, c", "1e200", "4", testing::EnglishFormat()).solution;
    EXPECT_TRUE(Utf8(huge.given).starts_with("Дадено: a ≈ 99,999,999,999,999,996,973,"));
    EXPECT_TRUE(Utf8(huge.given).ends_with("; c = 4.")) << Utf8(huge.given);
    ASSERT_EQ(huge.stepCount, 4);
    for (const solution::Step& step : huge.Steps()) {
        for (const solution::Step::Side& side : step.sides)
            EXPECT_TRUE(side.rounded) << Utf8(side.text);
    }
    const solution::Solution digits =
        Solve("b, r", "123456789,012345", "0,123456789012345", testing::BulgarianFormat()).solution;
    std::vector<std::string> lines;
    for (const solution::Step& step : digits.Steps()) lines.push_back(Utf8(step.Text()));
    EXPECT_EQ(
        lines,
        (std::vector<std::string>{
            "P = 4·b ≈ 4·123\u00a0456\u00a0789,012 ≈ 493\u00a0827\u00a0156,049",
            "D = b² − 4·r² ≈ 123\u00a0456\u00a0789,012² − 4·0,123² ≈ "
            "15\u00a0241\u00a0578\u00a0753\u00a0238\u00a0670,000 > 0",
            "a = b + √D ≈ 123\u00a0456\u00a0789,012 + "
            "√15\u00a0241\u00a0578\u00a0753\u00a0238\u00a0670,000 ≈ 246\u00a0913\u00a0578,025",
            "c = 2·b − a ≈ 2·123\u00a0456\u00a0789,012 − 246\u00a0913\u00a0578,025 ≈ 0,000"}));
    // The given value typed with six decimals is still written as typed.
    EXPECT_EQ(
        Utf8(digits.given),
        "Дадено: b = 123\u00a0456\u00a0789,012345; r = "
        "24\u00a0691\u00a0357\u00a0802\u00a0469/200\u00a0000\u00a0000\u00a0000\u00a0000 ≈ 0,123.");
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

// A drag of a corner: the base the pointer gives, on the grid, at the scale of
// the press; the boxes and the calculation that follow.
TEST(FigureDrag, GivesTheBaseOnTheGridAtTheScaleOfThePress) {
    using solution::Handle;
    const Solved solved = Solve("a, c", "16", "4", testing::EnglishFormat());
    const solution::ScaledFigure& figure = *solved.solution.figure;
    const solution::FigureFit fit = solution::FitInto(figure, 10, 20, 2 * figure.width, 1000);
    const figure::Point B = fit.At(figure.corners[1]);
    const figure::Point D = fit.At(figure.corners[3]);
    const double perLength = figure.scale.unitsPerLength * fit.scale;  // view units per unit
    const solution::DragStart a = solution::StartDrag(figure, fit, Handle::kBaseA, B, 16, 4);
    // Pressed 3 units inside the corner C (of D's side): the corner keeps that offset.
    const solution::DragStart c =
        solution::StartDrag(figure, fit, Handle::kBaseC, {D.x + 3, D.y}, 16, 4);
    EXPECT_EQ(a.grid.exponent, -1);  // 0,1 for bases near 10
    const struct {
        const char* what;
        const solution::DragStart& start;
        double x;
        std::optional<long long> steps;
    } rows[] = {
        {"at the press", a, B.x, 160},
        {"one step longer", a, B.x + 0.05 * perLength, 161},
        {"just under half a step", a, B.x + 0.0245 * perLength, 160},
        {"just over half a step", a, B.x + 0.0255 * perLength, 161},
        {"the left corner, mirrored", a, 2 * a.axis - (B.x + 0.05 * perLength), 161},
        {"past the drawing", a, B.x + 1e6, 1000},
        {"across the axis: one step, never 0", a, a.axis, 1},
        {"the upper base, its offset kept", c, D.x + 3 - 0.5 * perLength, 50},
        {"a pointer at NaN", a, std::nan(""), std::nullopt},
    };
    for (const auto& row : rows) EXPECT_EQ(BaseStepsAt(row.x, row.start), row.steps) << row.what;
    solution::DragStart flat = a;
    flat.fit.scale = 0;  // a view of no size
    EXPECT_EQ(BaseStepsAt(B.x, flat), std::nullopt);

    // Where a figure kept at the press's scale draws B for k steps, k comes back.
    for (long long k = 1; k <= 400; k += 7) {
        const QuantityValues values =
            Work(PairOf(kBaseA, kBaseC), {a.grid.LengthOf(k), 0, 4, 0, 0}).values;
        const solution::ScaledFigure moved =
            *solution::ScaledFigureOf(values, testing::EnglishFormat(), a.scale);
        EXPECT_EQ(BaseStepsAt(fit.At(moved.corners[1]).x, a), k) << k;
    }

    const struct {
        const char* what;
        double a, c;
        int exponent;
    } grids[] = {{"16 and 4", 16, 4, -1},
                 {"100 and 1", 100, 1, 0},
                 {"999 and 1", 999, 1, 0},
                 {"0,5 and 0,02", 0.5, 0.02, -3},
                 {"the longer the upper", 3, 250, 0}};
    for (const auto& g : grids)
        EXPECT_EQ(solution::GridFor(g.a, g.c).exponent, g.exponent) << g.what;
    // Arrows by one, with Shift by ten; Home and End to the least and the greatest.
    EXPECT_EQ(a.grid.LengthOf(3), 0.3);  // the decimal, as a pupil types it
    EXPECT_EQ(a.grid.Moved(5, -10), 1);
    EXPECT_EQ(a.grid.Moved(5, 10), 15);
    EXPECT_EQ(a.grid.Moved(995, 10), 1000);
    EXPECT_EQ(a.grid.AfterKey(160, solution::StepKey::kShorter, false), 159);
    EXPECT_EQ(a.grid.AfterKey(160, solution::StepKey::kLonger, true), 170);
    EXPECT_EQ(a.grid.AfterKey(5, solution::StepKey::kShorter, true), 1);
    EXPECT_EQ(a.grid.AfterKey(160, solution::StepKey::kLeast, true), 1);
    EXPECT_EQ(a.grid.AfterKey(160, solution::StepKey::kMost, false), 1000);

    // A corner takes the pointer within half the target, the nearest first.
    EXPECT_EQ(solution::HandleAt(figure, fit, {D.x + 11, D.y - 11}, 24), Handle::kBaseC);
    EXPECT_EQ(solution::HandleAt(figure, fit, {D.x + 13, D.y}, 24), std::nullopt);
    EXPECT_EQ(solution::HandleAt(figure, fit, B, 24), Handle::kBaseA);
    // In a figure drawn small every corner is near: the nearest is taken.
    const solution::FigureFit small = solution::FitInto(figure, 0, 0, 30, 30);
    EXPECT_EQ(solution::HandleAt(figure, small, small.At(figure.corners[2]), 24), Handle::kBaseC);
}

// Each step of a drag writes the pair's two boxes from the bases, as the
// boxes write numbers, and calculates them: the square under b, r is invalid.
TEST(FigureDrag, WritesThePairsBoxesAndCalculatesThem) {
    const struct {
        const char* pair;
        const char* typed[2];  // the trapezoid 16, 10, 4, 4, 40 before the drag
        double a, c;
        const char* first;
        const char* second;
        bool valid;
    } rows[] = {
        {"a, b", {"16", "10"}, 16.1, 4, "16.100", "10.050", true},
        {"a, r", {"16", "4"}, 16, 4.1, "16.000", "4.050", true},  // r = √65,6/2, rounded
        {"b, r", {"10", "4"}, 8, 8, "8.000", "4.000", false},     // a square
        {"r, P", {"4", "40"}, 8, 8, "4.000", "32.000", false},
        {"c, P", {"4", "40"}, 12, 3, "3.000", "30.000", true},
    };
    for (const auto& row : rows) {
        testing::InMemoryControls controls;
        WindowLogic logic(controls, [] { return testing::EnglishFormat(); });
        controls.onPairChanged = [&logic] { logic.PairChanged(); };
        logic.Load();
        for (InputPair p = 0; p < kPairCount; ++p) {
            if (PairAt(p).caption == row.pair) controls.SelectPair(p);
        }
        const PairDefinition& pair = PairAt(controls.pair);
        controls.Type(pair.first, row.typed[0]);
        controls.Type(pair.second, row.typed[1]);
        logic.CommandClicked(kCalculateCommand);
        std::array<std::string, kQuantityCount> before;
        for (Quantity q : kAllQuantities) before[q] = Utf8(controls.boxes[q].text);
        logic.BeginDrag();
        logic.DragBases(row.a, row.c);
        SCOPED_TRACE(row.pair);
        EXPECT_EQ(Utf8(controls.boxes[pair.first].text), row.first);
        EXPECT_EQ(Utf8(controls.boxes[pair.second].text), row.second);
        EXPECT_EQ(controls.working->working.outcome == Outcome::kValid, row.valid);
        logic.CancelDrag();  // Escape: the boxes as they were, calculated again
        for (Quantity q : kAllQuantities) EXPECT_EQ(Utf8(controls.boxes[q].text), before[q]);
        EXPECT_EQ(controls.working->working.outcome, Outcome::kValid);
    }
}

}  // namespace
}  // namespace velmora
