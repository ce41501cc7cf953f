// A number of the form p + q·√m held exactly: p and q fractions, m a
// squarefree whole number. Every value of the trapezoid's calculation from
// typed decimals has this form: typed decimals are fractions, and each
// calculation takes at most one square root.
//
// Normal form: m = 1 exactly where q = 0 (a fraction has no root part), and
// m is never a square's multiple; so == compares values. Arithmetic gives
// nothing where a result's parts would not fit (see Rational), and Add and
// Sub give nothing too for two unlike roots, whose sum (√2 + √3) has no such
// form: `Like` tells that case apart.
#pragma once

#include <optional>

#include "rational.h"
#include "uint128.h"

namespace velmora::exact {

class Number {
  public:
    Number() = default;
    // A fraction keeps its value, so the conversion is implicit.
    Number(const Rational& r) : rational_(r) {}  // NOLINT(google-explicit-constructor)
    // p + q·√m; nothing where m is 0 or has a square factor.
    static std::optional<Number> Of(const Rational& p, const Rational& q, Uint128 m);

    const Rational& RationalPart() const { return rational_; }    // p
    const Rational& Coefficient() const { return coefficient_; }  // q
    Uint128 Radicand() const { return radicand_; }                // m
    bool IsRational() const { return coefficient_.IsZero(); }

    friend bool operator==(const Number&, const Number&) = default;

  private:
    // From parts known to be in normal form but for m = 1, which joins p.
    static std::optional<Number> Normal(const Rational& p, const Rational& q, Uint128 m);
    // x·p + x·q·√m for a fraction x.
    static std::optional<Number> Scaled(const Rational& x, const Number& y);
    Number(const Rational& p, const Rational& q, Uint128 m);

    friend std::optional<Number> Add(const Number& x, const Number& y);
    friend std::optional<Number> Mul(const Number& x, const Number& y);
    friend std::optional<Number> Div(const Number& x, const Number& y);
    friend std::optional<Number> SquareRoot(const Number& x);
    friend Number Neg(const Number& x);

    Rational rational_;
    Rational coefficient_;
    Uint128 radicand_ = 1;
};

// Whether x and y have the same root, or either none, so that they add.
bool Like(const Number& x, const Number& y);

// Add(1 + √2, 1 − √2) is 2; Sub(√2, √3) is nothing; Mul(√6, √10) is 2√15;
// Mul(1 + √2, 1 + √2) is 3 + 2√2; Div(1, √2) is √2/2; Div(x, 0) is nothing.
[[nodiscard]] std::optional<Number> Add(const Number& x, const Number& y);
[[nodiscard]] std::optional<Number> Sub(const Number& x, const Number& y);
[[nodiscard]] std::optional<Number> Mul(const Number& x, const Number& y);
[[nodiscard]] std::optional<Number> Div(const Number& x, const Number& y);
Number Neg(const Number& x);

// The square root of a fraction, simplified: √72 is 6√2, √(9/4) is 3/2,
// √(1/2) is √2/2 (no root below the line). Nothing for anything but a
// fraction of at least 0, or where the factoring gives up (FactorSquares).
[[nodiscard]] std::optional<Number> SquareRoot(const Number& x);

// −1, 0 or 1: the sign of p + q·√m, decided exactly; nothing where the
// squares it compares would not fit.
std::optional<int> Sign(const Number& x);

// p + q·√m within a few roundings, for drawing and for checking.
double ToDouble(const Number& x);

}  // namespace velmora::exact
