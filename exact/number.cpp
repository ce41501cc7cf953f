#include "number.h"

#include <cmath>

#include "square_factors.h"

namespace velmora::exact {
namespace {

Rational WholeOf(Uint128 n) {
    return *Rational::Of(false, n, 1);
}

// The common root of two like numbers.
Uint128 RootOf(const Number& x, const Number& y) {
    return x.IsRational() ? y.Radicand() : x.Radicand();
}

}  // namespace

std::optional<Number> Number::Scaled(const Rational& x, const Number& y) {
    const std::optional<Rational> p = Mul(x, y.RationalPart());
    const std::optional<Rational> q = Mul(x, y.Coefficient());
    if (!p || !q) return std::nullopt;
    return Number::Normal(*p, *q, y.Radicand());
}

std::optional<Number> Number::Normal(const Rational& p, const Rational& q, Uint128 m) {
    if (m != 1) return Number(p, q, m);
    const std::optional<Rational> sum = Add(p, q);
    if (!sum) return std::nullopt;
    return Number(*sum);
}

Number::Number(const Rational& p, const Rational& q, Uint128 m)
    : rational_(p), coefficient_(q), radicand_(q.IsZero() ? 1 : m) {}

std::optional<Number> Number::Of(const Rational& p, const Rational& q, Uint128 m) {
    if (m.IsZero()) return std::nullopt;
    const std::optional<SquareFactors> factors = FactorSquares(m);
    if (!factors || factors->root != 1) return std::nullopt;
    return Number(p, q, m);
}

bool Like(const Number& x, const Number& y) {
    return x.IsRational() || y.IsRational() || x.Radicand() == y.Radicand();
}

std::optional<Number> Add(const Number& x, const Number& y) {
    if (!Like(x, y)) return std::nullopt;
    const std::optional<Rational> p = Add(x.RationalPart(), y.RationalPart());
    const std::optional<Rational> q = Add(x.Coefficient(), y.Coefficient());
    if (!p || !q) return std::nullopt;
    return Number::Normal(*p, *q, RootOf(x, y));
}

std::optional<Number> Sub(const Number& x, const Number& y) {
    return Add(x, Neg(y));
}

std::optional<Number> Mul(const Number& x, const Number& y) {
    if (x.IsRational()) return Number::Scaled(x.RationalPart(), y);
    if (y.IsRational()) return Number::Scaled(y.RationalPart(), x);
    const Rational& p = x.RationalPart();
    const Rational& q = x.Coefficient();
    const Rational& r = y.RationalPart();
    const Rational& s = y.Coefficient();
    if (x.Radicand() == y.Radicand()) {
        // (p + q√m)(r + s√m) = pr + qs·m + (ps + qr)√m
        const std::optional<Rational> pr = Mul(p, r);
        const std::optional<Rational> qs = Mul(q, s);
        const std::optional<Rational> qsm = qs ? Mul(*qs, WholeOf(x.Radicand())) : std::nullopt;
        const std::optional<Rational> ps = Mul(p, s);
        const std::optional<Rational> qr = Mul(q, r);
        if (!pr || !qsm || !ps || !qr) return std::nullopt;
        const std::optional<Rational> rational = Add(*pr, *qsm);
        const std::optional<Rational> coefficient = Add(*ps, *qr);
        if (!rational || !coefficient) return std::nullopt;
        return Number::Normal(*rational, *coefficient, x.Radicand());
    }
    if (!p.IsZero() || !r.IsZero()) return std::nullopt;  // (1 + √2)·√3 has two roots
    // √m·√n = g·√((m/g)·(n/g)) with g = gcd(m, n): squarefree again, unfactored.
    const Uint128 g = Gcd(x.Radicand(), y.Radicand());
    const std::optional<Uint128> m =
        exact::Mul(Divide(x.Radicand(), g).quotient, Divide(y.Radicand(), g).quotient);
    const std::optional<Rational> qs = Mul(q, s);
    const std::optional<Rational> coefficient = qs ? Mul(*qs, WholeOf(g)) : std::nullopt;
    if (!m || !coefficient) return std::nullopt;
    return Number::Normal(Rational(), *coefficient, *m);
}

std::optional<Number> Div(const Number& x, const Number& y) {
    if (y.IsRational()) {
        const std::optional<Rational> reciprocal = Div(Rational::Whole(1), y.RationalPart());
        if (!reciprocal) return std::nullopt;
        return Number::Scaled(*reciprocal, x);
    }
    // Times the conjugate above and below: (r + s√n)(r − s√n) = r² − s²·n.
    const Rational& r = y.RationalPart();
    const Rational& s = y.Coefficient();
    const Number conjugate(r, Neg(s), y.Radicand());
    const std::optional<Rational> rr = Mul(r, r);
    const std::optional<Rational> ss = Mul(s, s);
    const std::optional<Rational> ssn = ss ? Mul(*ss, WholeOf(y.Radicand())) : std::nullopt;
    const std::optional<Rational> below = rr && ssn ? Sub(*rr, *ssn) : std::nullopt;
    const std::optional<Number> above = Mul(x, conjugate);
    if (!below || !above) return std::nullopt;
    return Div(*above, Number(*below));
}

Number Neg(const Number& x) {
    return Number(Neg(x.RationalPart()), Neg(x.Coefficient()), x.Radicand());
}

std::optional<Number> SquareRoot(const Number& x) {
    if (!x.IsRational() || x.RationalPart().Negative()) return std::nullopt;
    // √(N/D) = s√t / (u√w) = s·√(t·w) / (u·w), with N = s²t and D = u²w;
    // t·w is squarefree, as N and D have no common factor.
    const std::optional<SquareFactors> above = FactorSquares(x.RationalPart().Numerator());
    const std::optional<SquareFactors> below = FactorSquares(x.RationalPart().Denominator());
    if (!above || !below) return std::nullopt;
    const std::optional<Uint128> radicand = exact::Mul(above->squarefree, below->squarefree);
    const std::optional<Uint128> denominator = exact::Mul(below->root, below->squarefree);
    if (!radicand || !denominator) return std::nullopt;
    const Rational coefficient = *Rational::Of(false, above->root, *denominator);
    return Number::Normal(Rational(), coefficient, *radicand);
}

std::optional<int> Sign(const Number& x) {
    const int p = x.RationalPart().Sign();
    const int q = x.Coefficient().Sign();
    if (q == 0 || p == q) return p != 0 ? p : q;
    if (p == 0) return q;
    // Opposite signs: whichever of p² and q²·m is larger decides.
    const std::optional<Rational> pp = Mul(x.RationalPart(), x.RationalPart());
    const std::optional<Rational> qq = Mul(x.Coefficient(), x.Coefficient());
    const std::optional<Rational> qqm = qq ? Mul(*qq, WholeOf(x.Radicand())) : std::nullopt;
    if (!pp || !qqm) return std::nullopt;
    return Compare(*pp, *qqm) > 0 ? p : q;  // never equal: √m is not a fraction
}

double ToDouble(const Number& x) {
    return ToDouble(x.RationalPart()) +
           ToDouble(x.Coefficient()) * std::sqrt(ToDouble(x.Radicand()));
}

}  // namespace velmora::exact
