#include "formulas.h"

#include <array>
#include <cmath>

#include "format_value.h"
#include "utf16.h"

namespace velmora::solution {
namespace {

constexpr Formula kProductTest{Term::kProduct, "{a}·{c}"};
constexpr Formula kRadiusFromProduct{Term::kR, "√{x} / 2"};

// Each pair's steps exactly as the solver takes them.
constexpr std::array<std::array<Formula, 4>, kPairCount> kFormulas{{
    {{{Term::kC, "2·{b} − {a}"}, {Term::kP, "4·{b}"}, kProductTest, kRadiusFromProduct}},
    {{{Term::kB, "({a} + {c}) / 2"}, {Term::kP, "4·{b}"}, kProductTest, kRadiusFromProduct}},
    {{{Term::kC, "4·{r}² / {a}"}, {Term::kB, "({a} + {c}) / 2"}, {Term::kP, "4·{b}"}}},
    {{{Term::kB, "{P} / 4"}, {Term::kC, "2·{b} − {a}"}, kProductTest, kRadiusFromProduct}},
    {{{Term::kA, "2·{b} − {c}"}, {Term::kP, "4·{b}"}, kProductTest, kRadiusFromProduct}},
    {{{Term::kP, "4·{b}"},
      {Term::kDiscriminant, "{b}² − 4·{r}²"},
      {Term::kA, "{b} + √{D}"},
      {Term::kC, "2·{b} − {a}"}}},
    {{{Term::kA, "4·{r}² / {c}"}, {Term::kB, "({a} + {c}) / 2"}, {Term::kP, "2·({a} + {c})"}}},
    {{{Term::kB, "{P} / 4"}, {Term::kA, "{P} / 2 − {c}"}, kProductTest, kRadiusFromProduct}},
    {{{Term::kB, "{P} / 4"},
      {Term::kDiscriminant, "{P}² / 4 − 16·{r}²"},
      {Term::kA, "({P} / 2 + √{D}) / 2"},
      {Term::kC, "2·{b} − {a}"}}},
}};

// The term an operand's letter names: a quantity's symbol, x or D.
Term OperandTerm(char letter) {
    if (letter == 'x') return Term::kProduct;
    for (Quantity q : kAllQuantities) {
        if (QuantitySymbol(q).front() == letter) return TermOf(q);
    }
    return Term::kDiscriminant;
}

// The value of a term as the working has it: a quantity's, or a test's.
double ValueOf(Term term, const Working& working) {
    if (term != Term::kProduct && term != Term::kDiscriminant) {
        return working.values[static_cast<std::size_t>(term)];
    }
    for (const WorkedStep& step : working.Steps()) {
        if (step.term == term) return step.value;
    }
    return std::nan("");
}

// Writes the expression with its operands' symbols, or, given the working,
// their values; a negative value in parentheses after an operator or under a
// square (unless the region writes negatives in parentheses anyway).
std::u16string Expand(std::string_view expression, const Working* working,
                      const NumberFormat& format) {
    std::u16string out;
    for (std::size_t i = 0; i < expression.size();) {
        const std::size_t open = expression.find('{', i);
        out += Utf16(expression.substr(i, open - i));
        if (open == std::string_view::npos) break;
        const char letter = expression[open + 1];
        i = open + 3;
        if (working == nullptr) {
            out += letter == 'x' ? std::u16string(u"(a·c)") : std::u16string(1, letter);
            continue;
        }
        const double value = ValueOf(OperandTerm(letter), *working);
        const std::u16string text = FormatValue(value, format);
        const bool shownNegative = text != FormatValue(std::fabs(value), format);
        const bool squared = expression.compare(i, 2, "²") == 0;
        const bool leads = out.empty() || out.back() == u'(';
        const bool enclose = shownNegative && (squared || !leads) &&
                             format.negativeStyle != NegativeStyle::Parentheses;
        out += enclose ? u"(" + text + u")" : text;
    }
    return out;
}

}  // namespace

std::span<const Formula> FormulasOf(InputPair pair) {
    const auto& formulas = kFormulas.at(static_cast<std::size_t>(pair));
    std::size_t count = 0;
    while (count < formulas.size() && !formulas[count].expression.empty()) ++count;
    return {formulas.data(), count};
}

std::u16string Symbolic(const Formula& formula) {
    const std::u16string expression = Expand(formula.expression, nullptr, NumberFormat{});
    switch (formula.term) {
        case Term::kProduct:
            return expression;
        case Term::kDiscriminant:
            return u"D = " + expression;
        default:
            return Utf16(QuantitySymbol(static_cast<Quantity>(formula.term))) + u" = " + expression;
    }
}

std::u16string Substituted(const Formula& formula, const Working& working,
                           const NumberFormat& format) {
    return Expand(formula.expression, &working, format);
}

}  // namespace velmora::solution
