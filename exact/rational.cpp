#include "rational.h"

#include <cmath>
#include <cstdlib>

namespace velmora::exact {
namespace {

Uint128 Quotient(Uint128 x, Uint128 divisor) {
    return Divide(x, divisor).quotient;
}

// The magnitude of a signed whole number, and its sign.
struct Signed {
    bool negative;
    Uint128 magnitude;
};

// x − y or x + y of two signed magnitudes, by the magnitudes' order.
std::optional<Signed> Combine(Signed x, Signed y) {
    if (x.negative == y.negative) {
        const std::optional<Uint128> sum = exact::Add(x.magnitude, y.magnitude);
        if (!sum) return std::nullopt;
        return Signed{x.negative, *sum};
    }
    if (x.magnitude >= y.magnitude)
        return Signed{x.negative, WrappingSub(x.magnitude, y.magnitude)};
    return Signed{y.negative, WrappingSub(y.magnitude, x.magnitude)};
}

}  // namespace

Rational Rational::Whole(std::int64_t n) {
    Rational r;
    r.negative_ = n < 0;
    // Through the unsigned type, so that INT64_MIN has its magnitude too.
    const std::uint64_t bits = static_cast<std::uint64_t>(n);
    r.numerator_ = n < 0 ? ~bits + 1 : bits;
    return r;
}

std::optional<Rational> Rational::Of(bool negative, Uint128 numerator, Uint128 denominator) {
    if (denominator.IsZero()) return std::nullopt;
    const Uint128 g = Gcd(numerator, denominator);
    Rational r;
    r.numerator_ = Quotient(numerator, g);
    r.denominator_ = Quotient(denominator, g);
    r.negative_ = negative && !numerator.IsZero();
    return r;
}

std::optional<Rational> Rational::OfDecimal(bool negative, std::string_view digits,
                                            long long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return Rational();
    digits.remove_prefix(first);
    const std::size_t last = digits.find_last_not_of('0');
    const long long trailingZeros = static_cast<long long>(digits.size() - last - 1);
    digits.remove_suffix(static_cast<std::size_t>(trailingZeros));
    // 10^38 is the largest power of ten that fits.
    constexpr long long kLargestPower = 38;
    if (exponent > kLargestPower || exponent < -kLargestPower - trailingZeros) return std::nullopt;
    exponent += trailingZeros;
    const std::optional<Uint128> whole = FromDecimal(digits);
    const std::optional<Uint128> power = PowerOfTen(static_cast<int>(std::llabs(exponent)));
    if (!whole || !power) return std::nullopt;
    if (exponent < 0) return Of(negative, *whole, *power);
    const std::optional<Uint128> scaled = exact::Mul(*whole, *power);
    if (!scaled) return std::nullopt;
    return Of(negative, *scaled, 1);
}

std::optional<Rational> Add(const Rational& x, const Rational& y) {
    // Over the least common multiple of the denominators.
    const Uint128 g = Gcd(x.Denominator(), y.Denominator());
    const Uint128 xScale = Quotient(y.Denominator(), g);
    const Uint128 yScale = Quotient(x.Denominator(), g);
    const std::optional<Uint128> xPart = exact::Mul(x.Numerator(), xScale);
    const std::optional<Uint128> yPart = exact::Mul(y.Numerator(), yScale);
    const std::optional<Uint128> denominator = exact::Mul(x.Denominator(), xScale);
    if (!xPart || !yPart || !denominator) return std::nullopt;
    const std::optional<Signed> sum = Combine({x.Negative(), *xPart}, {y.Negative(), *yPart});
    if (!sum) return std::nullopt;
    return Rational::Of(sum->negative, sum->magnitude, *denominator);
}

std::optional<Rational> Sub(const Rational& x, const Rational& y) {
    return Add(x, Neg(y));
}

std::optional<Rational> Mul(const Rational& x, const Rational& y) {
    // Cancelled crosswise first: (a/b)·(c/d) with gcd(a, d) and gcd(c, b) out.
    const Uint128 ad = Gcd(x.Numerator(), y.Denominator());
    const Uint128 cb = Gcd(y.Numerator(), x.Denominator());
    if (ad.IsZero() || cb.IsZero()) return Rational();
    const std::optional<Uint128> numerator =
        exact::Mul(Quotient(x.Numerator(), ad), Quotient(y.Numerator(), cb));
    const std::optional<Uint128> denominator =
        exact::Mul(Quotient(x.Denominator(), cb), Quotient(y.Denominator(), ad));
    if (!numerator || !denominator) return std::nullopt;
    return Rational::Of(x.Negative() != y.Negative(), *numerator, *denominator);
}

std::optional<Rational> Div(const Rational& x, const Rational& y) {
    if (y.IsZero()) return std::nullopt;
    const Rational reciprocal = *Rational::Of(y.Negative(), y.Denominator(), y.Numerator());
    return Mul(x, reciprocal);
}

Rational Neg(const Rational& x) {
    return *Rational::Of(!x.Negative(), x.Numerator(), x.Denominator());
}

int Compare(const Rational& x, const Rational& y) {
    if (x.Sign() != y.Sign()) return x.Sign() < y.Sign() ? -1 : 1;
    // Same sign: compare a·d with c·b over 256 bits, so that nothing overflows.
    const Wide left = FullProduct(x.Numerator(), y.Denominator());
    const Wide right = FullProduct(y.Numerator(), x.Denominator());
    int order = 0;
    if (left.high != right.high) {
        order = left.high < right.high ? -1 : 1;
    } else if (left.low != right.low) {
        order = left.low < right.low ? -1 : 1;
    }
    return x.Negative() ? -order : order;
}

double ToDouble(const Rational& x) {
    const double magnitude = ToDouble(x.Numerator()) / ToDouble(x.Denominator());
    return x.Negative() ? -magnitude : magnitude;
}

}  // namespace velmora::exact
