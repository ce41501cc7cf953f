// A fraction held exactly: a sign, and a numerator and a denominator of up to
// 128 bits each. Always in lowest terms with a denominator above 0, and 0 as
// +0/1, so that two equal fractions are equal members and == compares values.
// Arithmetic gives nothing, rather than a wrong value, where a result's
// numerator or denominator would not fit.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "uint128.h"

namespace velmora::exact {

class Rational {
  public:
    constexpr Rational() = default;  // 0
    // A whole number: every int64 fits.
    static Rational Whole(std::int64_t n);
    // ±numerator/denominator in lowest terms; nothing for a zero denominator.
    static std::optional<Rational> Of(bool negative, Uint128 numerator, Uint128 denominator);
    // ±digits·10^exponent, as a decimal is written: ("25", −1) is 5/2;
    // nothing where it does not fit.
    static std::optional<Rational> OfDecimal(bool negative, std::string_view digits,
                                             long long exponent);

    bool Negative() const { return negative_; }
    Uint128 Numerator() const { return numerator_; }      // of the magnitude
    Uint128 Denominator() const { return denominator_; }  // above 0
    bool IsZero() const { return numerator_.IsZero(); }
    bool IsWhole() const { return denominator_ == 1; }
    int Sign() const { return IsZero() ? 0 : (negative_ ? -1 : 1); }

    friend bool operator==(const Rational&, const Rational&) = default;

  private:
    bool negative_ = false;
    Uint128 numerator_ = 0;
    Uint128 denominator_ = 1;
};

// Add(1/6, 1/3) is 1/2; Sub(1/3, 1/2) is −1/6; Mul(2/3, 3/4) is 1/2;
// Div(1/2, 1/4) is 2, and nothing where the divisor is 0. Each cancels
// before it multiplies, so only a result that does not fit in lowest terms
// is nothing.
[[nodiscard]] std::optional<Rational> Add(const Rational& x, const Rational& y);
[[nodiscard]] std::optional<Rational> Sub(const Rational& x, const Rational& y);
[[nodiscard]] std::optional<Rational> Mul(const Rational& x, const Rational& y);
[[nodiscard]] std::optional<Rational> Div(const Rational& x, const Rational& y);
Rational Neg(const Rational& x);
// −1, 0 or 1 as x is below, equal to or above y.
int Compare(const Rational& x, const Rational& y);

// The nearest double within a few roundings, for drawing and for checking.
double ToDouble(const Rational& x);

}  // namespace velmora::exact
