#include "formulas.h"

#include <array>

namespace velmora {
namespace {

constexpr Formula kProductTest{Term::kProduct, "{a}·{c}"};
constexpr Formula kRadiusFromProduct{Term::kR, "√{x} / 2"};

// The pairs in table order. Pairs a, r and c, r divide by a given base and
// have no test; b, r and r, P solve the quadratic whose roots are the bases
// (t² − 2b·t + 4r², t² − (P/2)·t + 4r²) for its larger root.
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

}  // namespace

std::span<const Formula> FormulasOf(InputPair pair) {
    if (!IsValidPair(pair)) return {};
    const auto& formulas = kFormulas[static_cast<std::size_t>(pair)];
    std::size_t count = 0;
    while (count < formulas.size() && !formulas[count].expression.empty()) ++count;
    return {formulas.data(), count};
}

Term OperandTerm(char letter) {
    if (letter == 'x') return Term::kProduct;
    for (Quantity q : kAllQuantities) {
        if (QuantitySymbol(q).front() == letter) return TermOf(q);
    }
    return Term::kDiscriminant;
}

}  // namespace velmora
